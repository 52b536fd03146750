// The component's help topics: the table (topics.txt in the help folder) of which HTML page
// answers which help context, and the page and place a help request opens. A dialog's page
// opens at the control that asked ("control-N"); a window's page at the part named after the
// window's caption ("Symbol List Window" -> "symbol-list-window").
#pragma once

#include <QString>
#include <QUrl>
#include <cstdint>
#include <vector>

#include "platform/help/Help.h"

namespace tarngui {

class HelpTopics {
public:
    // Reads FOLDER/topics.txt; an unreadable table answers nothing.
    static HelpTopics Load(const QString& folder);

    bool IsEmpty() const { return ranges_.empty(); }
    // The full file name of the page that answers the context; "" when none does.
    QString PageOf(uint32_t context) const;
    // The page and anchor that answer a help request; empty when none does.
    QUrl UrlFor(const tarnui::HelpRequest& request) const;

private:
    struct Range {
        uint32_t first = 0, last = 0;
        QString page;
    };
    QString folder_;
    std::vector<Range> ranges_;
};

// The anchor name of a caption: lower case, words joined by "-".
QString AnchorOf(const QString& caption);

}  // namespace tarngui
