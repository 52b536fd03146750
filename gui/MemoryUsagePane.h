// The "Memory Usage" pane: one bar per memory area of the open build with its sections drawn
// to scale, and beside it the bytes used, the area's size, the percentage, the free bytes and
// the largest gap (an area over 100 % marked). The sections that lie outside every area are
// listed below. A click on a section is passed on (the main window selects it in the
// section list).
#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <functional>
#include <string>

#include "host/cli/MemoryUsage.h"

namespace tarncli::session {
class MapSession;
}

namespace tarngui {

class UsageBar;

class MemoryUsagePane : public QScrollArea {
public:
    explicit MemoryUsagePane(QWidget* parent = nullptr);

    void OnSectionClicked(std::function<void(const std::string& name, uint32_t start)> clicked) {
        clicked_ = std::move(clicked);
    }
    // Measures the session's build again (null: shows that nothing is open); reread after a
    // rebuild.
    void Refresh(tarncli::session::MapSession* session, bool reread = false);
    int AreaCount() const { return static_cast<int>(bars_.size()); }
    UsageBar* Bar(int area) const { return bars_.at(static_cast<size_t>(area)); }
    QString Figures(int area) const { return figures_.at(static_cast<size_t>(area))->text(); }

private:
    void AddArea(QGridLayout& grid, int row, const tarncli::AreaUsage& area);

    std::function<void(const std::string&, uint32_t)> clicked_;
    std::vector<UsageBar*> bars_;
    std::vector<QLabel*> figures_;
};

// "used 0x148 of 0x20000 (0.3 %), free 0x1FEB8, largest gap 0x1FEB8", prefixed "OVER 100 %: "
// when the area is overfull.
QString UsageFigures(const tarncli::AreaUsage& area);

}  // namespace tarngui
