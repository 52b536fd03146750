// Command routing. A command (a menu item, toolbar button or accelerator) is offered to a
// chain of targets: a view, then the window that holds it, and so on up to the application.
// The first target with a handler runs it. Update handlers decide whether the command is
// enabled and checked; a command that no target handles is shown disabled.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "platform/commands/CommandUI.h"
#include "platform/commands/Notification.h"

namespace tarnui {

class CommandTarget {
public:
    using CommandHandler = std::function<void()>;
    using RangeHandler = std::function<void(int id)>;
    using UpdateHandler = std::function<void(CommandUI&)>;
    using NotifyHandler = std::function<void(const Notification&)>;

    CommandTarget() = default;
    CommandTarget(const CommandTarget&) = delete;
    CommandTarget& operator=(const CommandTarget&) = delete;
    virtual ~CommandTarget() = default;

    // Handler tables; a later registration for the same id replaces the earlier one.
    void OnCommand(int id, CommandHandler handler);
    void OnCommandRange(int first, int last, RangeHandler handler);
    void OnUpdateCommand(int id, UpdateHandler handler);
    void OnUpdateCommandRange(int first, int last, UpdateHandler handler);
    // Notifications from the child control `controlId` with `code`.
    void OnNotification(int controlId, int code, NotifyHandler handler);

    // Runs the command here or further along the chain; false when nobody handled it.
    bool ExecuteCommand(int id);
    // Fills `ui` from the first update handler along the chain; without one, the command is
    // enabled exactly when some target along the chain handles it.
    void UpdateCommand(CommandUI& ui);
    CommandUI QueryCommand(int id);

    // The next target in the chain. Default: the explicit next target if one was set,
    // otherwise the application (see Application.h) for every target but the application.
    virtual CommandTarget* NextCommandTarget() const;
    void SetNextCommandTarget(CommandTarget* next) { next_ = next; }
    CommandTarget* ExplicitNextCommandTarget() const { return next_; }

    // This target only, no routing. Overridable for targets that decide in code.
    virtual bool HandleCommand(int id);
    virtual bool HandleUpdateCommand(CommandUI& ui);
    virtual bool HasCommandHandler(int id) const;
    virtual bool HandleNotification(const Notification& n);

private:
    struct Range {
        int first, last;
        RangeHandler handler;
    };
    struct UpdateRange {
        int first, last;
        UpdateHandler handler;
    };

    std::map<int, CommandHandler> commands_;
    std::vector<Range> ranges_;
    std::map<int, UpdateHandler> updates_;
    std::vector<UpdateRange> updateRanges_;
    std::map<std::pair<int, int>, NotifyHandler> notifications_;
    CommandTarget* next_ = nullptr;
};

}  // namespace tarnui
