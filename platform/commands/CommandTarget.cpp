#include "platform/commands/CommandTarget.h"

#include <set>

#include "platform/commands/Application.h"

namespace tarnui {

void CommandTarget::OnCommand(int id, CommandHandler handler) {
    commands_[id] = std::move(handler);
}

void CommandTarget::OnCommandRange(int first, int last, RangeHandler handler) {
    ranges_.push_back({first, last, std::move(handler)});
}

void CommandTarget::OnUpdateCommand(int id, UpdateHandler handler) {
    updates_[id] = std::move(handler);
}

void CommandTarget::OnUpdateCommandRange(int first, int last, UpdateHandler handler) {
    updateRanges_.push_back({first, last, std::move(handler)});
}

void CommandTarget::OnNotification(int controlId, int code, NotifyHandler handler) {
    notifications_[{controlId, code}] = std::move(handler);
}

CommandTarget* CommandTarget::NextCommandTarget() const {
    if (next_ != nullptr) {
        return next_;
    }
    Application* app = Application::Current();
    return app == this ? nullptr : app;
}

bool CommandTarget::HasCommandHandler(int id) const {
    if (commands_.count(id) != 0) {
        return true;
    }
    for (const Range& r : ranges_) {
        if (id >= r.first && id <= r.last) {
            return true;
        }
    }
    return false;
}

bool CommandTarget::HandleCommand(int id) {
    if (auto it = commands_.find(id); it != commands_.end()) {
        // Copy: the handler may replace its own table entry while it runs.
        CommandHandler handler = it->second;
        handler();
        return true;
    }
    for (const Range& r : ranges_) {
        if (id >= r.first && id <= r.last) {
            RangeHandler handler = r.handler;
            handler(id);
            return true;
        }
    }
    return false;
}

bool CommandTarget::HandleUpdateCommand(CommandUI& ui) {
    if (auto it = updates_.find(ui.id); it != updates_.end()) {
        it->second(ui);
        return true;
    }
    for (const UpdateRange& r : updateRanges_) {
        if (ui.id >= r.first && ui.id <= r.last) {
            r.handler(ui);
            return true;
        }
    }
    return false;
}

bool CommandTarget::HandleNotification(const Notification& n) {
    auto it = notifications_.find({n.controlId, n.code});
    if (it == notifications_.end()) {
        return false;
    }
    NotifyHandler handler = it->second;
    handler(n);
    return true;
}

namespace {

// Walks the chain once, guarding against a chain that loops back on itself.
template <typename Visit>
bool WalkChain(CommandTarget* start, Visit visit) {
    std::set<const CommandTarget*> seen;
    for (CommandTarget* t = start; t != nullptr && seen.insert(t).second;
         t = t->NextCommandTarget()) {
        if (visit(*t)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool CommandTarget::ExecuteCommand(int id) {
    // Only an enabled command runs: the same rule the menu shows the user.
    CommandUI ui = QueryCommand(id);
    if (!ui.enabled) {
        return false;
    }
    return WalkChain(this, [id](CommandTarget& t) { return t.HandleCommand(id); });
}

void CommandTarget::UpdateCommand(CommandUI& ui) {
    ui.handled = false;
    if (WalkChain(this, [&ui](CommandTarget& t) { return t.HandleUpdateCommand(ui); })) {
        ui.handled = true;
        return;
    }
    ui.enabled =
        WalkChain(this, [id = ui.id](CommandTarget& t) { return t.HasCommandHandler(id); });
    ui.handled = ui.enabled;
}

CommandUI CommandTarget::QueryCommand(int id) {
    CommandUI ui;
    ui.id = id;
    ui.enabled = true;  // an update handler starts from "enabled" and may switch it off
    UpdateCommand(ui);
    return ui;
}

}  // namespace tarnui
