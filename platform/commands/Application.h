// The application object: the end of every command chain, the title of message boxes and
// the current help file. One may be current per process; there is none by default.
#pragma once

#include <string>

#include "platform/commands/CommandTarget.h"

namespace tarnui {

class Application : public CommandTarget {
public:
    explicit Application(std::string title = {});
    ~Application() override;  // stops being current

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // The help file that context help opens when no other is named.
    const std::string& HelpFilePath() const { return helpFile_; }
    void SetHelpFilePath(std::string path) { helpFile_ = std::move(path); }

    CommandTarget* NextCommandTarget() const override { return ExplicitNextCommandTarget(); }

    static Application* Current();
    static void SetCurrent(Application* app);

private:
    std::string title_;
    std::string helpFile_;
};

}  // namespace tarnui
