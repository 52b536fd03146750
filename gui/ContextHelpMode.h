// Context help mode, entered when the component asks for it (Shift+F1 in a view): the context
// help cursor over the application until the next click, which asks the platform window under
// it for its help as F1 would, so the component decides which page opens. Escape, or a click
// on no platform window, leaves the mode without help.
#pragma once

#include <QObject>

namespace tarngui {

class ContextHelpMode : public QObject {
public:
    ~ContextHelpMode() override;
    void Enter();
    bool IsOn() const { return on_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Leave();

    bool on_ = false;
    bool swallowRelease_ = false;  // the release of the click that asked for help
};

}  // namespace tarngui
