// One memory area drawn as a bar: its sections as blocks to scale, the gaps between them in
// the background colour. A section's name and range show on hover; a click on a block is
// passed on.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarngui {

struct UsageBlock {
    std::string name;
    uint32_t start = 0;
    uint64_t size = 0;
    bool loadImage = false;  // a section's initial contents, stored apart from where it runs
    uint32_t runStart = 0;   // that section's run address
};

class UsageBar : public QWidget {
public:
    UsageBar(uint32_t areaStart, uint64_t areaSize, std::vector<UsageBlock> blocks, bool over,
             QWidget* parent = nullptr);

    void OnBlockClicked(std::function<void(const UsageBlock&)> clicked) {
        clicked_ = std::move(clicked);
    }
    const std::vector<UsageBlock>& Blocks() const { return blocks_; }
    // Where the block is drawn in the widget (at least a pixel wide, cut at the bar's end).
    QRect BlockRect(size_t block) const;
    // The block under a point: the last drawn (the one on top) when blocks overlap; -1 for none.
    int BlockAt(QPoint point) const;

    QSize sizeHint() const override { return {400, 22}; }
    QSize minimumSizeHint() const override { return {80, 16}; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;

private:
    QRect BarRect() const;

    uint32_t areaStart_;
    uint64_t areaSize_;
    std::vector<UsageBlock> blocks_;
    bool over_;
    std::function<void(const UsageBlock&)> clicked_;
};

// "NAME  00000000-0000FFFF (0x10000 bytes)", as a block's tooltip reads.
QString BlockDescription(const UsageBlock& block);

}  // namespace tarngui
