// A parent window that records the notifications of its child controls, with the records
// that list and tree notifications carry copied out.
#pragma once

#include <vector>

#include "platform/controls/ReportNotifications.h"
#include "platform/controls/TreeControl.h"
#include "platform/windows/Window.h"

namespace tarnui::testing_support {

struct Recorded {
    int controlId = 0;
    int code = 0;
    intptr_t payload = 0;
    ListItemChange itemChange;
    TreeSelectionChange selection;
    TreeExpansionChange expansion;
    Point point;
};

class ReportRecorder : public Window {
public:
    ~ReportRecorder() override { DestroyWindow(); }

    std::vector<Recorded> notes;
    bool handleDoubleClicks = true;

    std::vector<Recorded> OfCode(int code) const {
        std::vector<Recorded> out;
        for (const Recorded& r : notes) {
            if (r.code == code) {
                out.push_back(r);
            }
        }
        return out;
    }

protected:
    bool OnNotify(const Notification& n) override {
        Recorded r{n.controlId, n.code, n.payload, {}, {}, {}, {}};
        if (n.data != nullptr) {
            switch (n.code) {
                case kNotifyItemChanged:
                    r.itemChange = *static_cast<const ListItemChange*>(n.data);
                    break;
                case kNotifyTreeSelChanged:
                    r.selection = *static_cast<const TreeSelectionChange*>(n.data);
                    break;
                case kNotifyTreeItemExpanded:
                    r.expansion = *static_cast<const TreeExpansionChange*>(n.data);
                    break;
                case kNotifyHeaderRightClick:
                case kNotifyRightClick:
                case kNotifyDoubleClicked:
                    r.point = *static_cast<const Point*>(n.data);
                    break;
                default:
                    break;
            }
        }
        notes.push_back(r);
        return n.code != kNotifyDoubleClicked || handleDoubleClicks;
    }
};

}  // namespace tarnui::testing_support
