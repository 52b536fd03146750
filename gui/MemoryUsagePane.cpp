#include "gui/MemoryUsagePane.h"

#include <QGridLayout>

#include "gui/UsageBar.h"
#include "host/cli/session/SessionBuild.h"

namespace tarngui {
namespace {

QString Number(uint64_t value) {
    return "0x" + QString::number(value, 16).toUpper();
}

QString Address(uint64_t value) {
    return QString::number(value, 16).toUpper().rightJustified(8, '0');
}

}  // namespace

QString UsageFigures(const tarncli::AreaUsage& area) {
    const QString figures = QString("used %1 of %2 (%3 %), free %4, largest gap %5")
                                .arg(Number(area.used), Number(area.area.Size()),
                                     QString::number(area.Percent(), 'f', 1), Number(area.free),
                                     Number(area.largestGap));
    return area.Over() ? "OVER 100 %: " + figures : figures;
}

MemoryUsagePane::MemoryUsagePane(QWidget* parent) : QScrollArea(parent) {
    setWidgetResizable(true);
}

void MemoryUsagePane::Refresh(tarncli::session::MapSession* session, bool reread) {
    bars_.clear();
    figures_.clear();
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setColumnStretch(1, 1);
    std::string error = session != nullptr ? "" : "No workspace open";
    const auto build = session != nullptr ? tarncli::session::CurrentBuild(*session, reread, &error)
                                          : std::nullopt;
    int row = 0;
    if (!build) {
        grid->addWidget(new QLabel(QString::fromStdString(error)), row++, 0, 1, 3);
    } else {
        const tarncli::MemoryUsage usage =
            tarncli::ComputeMemoryUsage(build->areas, build->sections, build->loadImages);
        for (const tarncli::AreaUsage& area : usage.areas) {
            AddArea(*grid, row++, area);
        }
        if (usage.areas.empty()) {
            grid->addWidget(new QLabel("The build describes no memory areas."), row++, 0, 1, 3);
        }
        QStringList outside;
        for (const tagLinkMapSectionInfo* section : usage.outside) {
            outside << QString::fromStdString(section->name) + " " + Address(section->startAddress);
        }
        if (!outside.isEmpty()) {
            auto* label = new QLabel("Outside every area: " + outside.join(", "));
            label->setWordWrap(true);
            grid->addWidget(label, row++, 0, 1, 3);
        }
    }
    grid->setRowStretch(row, 1);
    setWidget(content);  // the previous content goes
}

void MemoryUsagePane::AddArea(QGridLayout& grid, int row, const tarncli::AreaUsage& area) {
    std::vector<UsageBlock> blocks;
    for (const tagLinkMapSectionInfo* section : area.sections) {
        blocks.push_back({section->name, section->startAddress, section->size});
    }
    for (const tarncli::LoadImage& image : area.loadImages) {
        blocks.push_back({image.name, image.start, image.size, true, image.runStart});
    }
    auto* bar = new UsageBar(area.area.start, area.area.Size(), std::move(blocks), area.Over());
    bar->OnBlockClicked([this](const UsageBlock& block) {
        if (clicked_) {
            // A load image stands for its section, which the list shows at its run address.
            clicked_(block.name, block.loadImage ? block.runStart : block.start);
        }
    });
    auto* name = new QLabel(QString("%1  %2-%3")
                                .arg(QString::fromStdString(area.area.name),
                                     Address(area.area.start), Address(area.area.end)));
    auto* figures = new QLabel(UsageFigures(area));
    if (area.Over()) {
        figures->setStyleSheet("color: red; font-weight: bold;");
    }
    grid.addWidget(name, row, 0);
    grid.addWidget(bar, row, 1);
    grid.addWidget(figures, row, 2);
    bars_.push_back(bar);
    figures_.push_back(figures);
}

}  // namespace tarngui
