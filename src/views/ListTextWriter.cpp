#include "src/views/ListTextWriter.h"

#include <vector>

#include "platform/controls/ListControl.h"
#include "src/views/PrintTextFile.h"

int WriteListText(const tarnui::ListControl& list, const std::string& path) {
    PrintTextFile file(path, PrintTextFile::Mode::Create);
    if (!file.IsOpen()) {
        return 0;
    }
    const int columns = list.GetColumnCount();
    const int field = columns > 0 ? 80 / columns : 0;
    // Columns in display order, hidden ones (width 0) left out.
    std::vector<int> shown;
    for (int column : list.GetColumnOrder()) {
        if (list.GetColumnWidth(column) > 0) {
            shown.push_back(column);
        }
    }

    std::string heading;
    for (int column : shown) {
        const std::string& title = list.GetColumn(column)->title;
        heading += title;
        const int room = field - static_cast<int>(title.size());
        heading += room < 1 ? std::string(1, '\t') : std::string(room, ' ');
    }
    file.WriteLine(heading);
    file.EndLine();

    for (int item = 0; item < list.GetItemCount(); ++item) {
        std::string line;
        bool hasText = false;
        for (int column : shown) {
            const std::string text = list.GetItemText(item, column);
            hasText = hasText || !text.empty();
            line += text;
            const int room = field - static_cast<int>(text.size());
            if (room > 0) {
                line.append(room, ' ');
            }
        }
        if (hasText) {
            file.WriteLine(line);
        }
    }
    return file.Close() ? 1 : 0;
}
