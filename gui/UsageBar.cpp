#include "gui/UsageBar.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace tarngui {
namespace {

QString Hex8(uint64_t value) {
    return QString::number(value, 16).toUpper().rightJustified(8, '0');
}

// Neighbouring blocks take turns between a few hues, so that touching sections stay apart.
QColor BlockColor(size_t block) {
    static const QColor kColors[] = {QColor(70, 130, 180), QColor(60, 160, 110),
                                     QColor(200, 140, 50), QColor(150, 90, 170)};
    QColor color = kColors[block % std::size(kColors)];
    color.setAlpha(200);  // overlapping sections (overlays) show through each other
    return color;
}

}  // namespace

QString BlockDescription(const UsageBlock& block) {
    const uint64_t last = uint64_t{block.start} + block.size - 1;
    return QString("%1  %2-%3 (0x%4 bytes)")
        .arg(QString::fromStdString(block.loadImage ? block.name + " load image" : block.name),
             Hex8(block.start), Hex8(last),
             QString::number(block.size, 16).toUpper());
}

UsageBar::UsageBar(uint32_t areaStart, uint64_t areaSize, std::vector<UsageBlock> blocks, bool over,
                   QWidget* parent)
    : QWidget(parent),
      areaStart_(areaStart),
      areaSize_(std::max<uint64_t>(areaSize, 1)),
      blocks_(std::move(blocks)),
      over_(over) {
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QRect UsageBar::BarRect() const {
    return rect().adjusted(1, 1, -2, -2);
}

QRect UsageBar::BlockRect(size_t block) const {
    const QRect bar = BarRect();
    const UsageBlock& b = blocks_.at(block);
    const auto scale = [&](uint64_t offset) {
        const uint64_t cut = std::min(offset, areaSize_);
        return bar.left() + static_cast<int>(static_cast<double>(cut) * bar.width() /
                                             static_cast<double>(areaSize_));
    };
    const uint64_t offset = uint64_t{b.start} - areaStart_;
    const int left = scale(offset);
    const int right = std::max(scale(offset + b.size), left + 1);
    return {left, bar.top(), std::min(right, bar.right() + 1) - left, bar.height()};
}

int UsageBar::BlockAt(QPoint point) const {
    for (size_t i = blocks_.size(); i-- > 0;) {
        if (BlockRect(i).contains(point)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void UsageBar::paintEvent(QPaintEvent* /*e*/) {
    QPainter painter(this);
    const QRect bar = BarRect();
    painter.fillRect(bar, palette().color(QPalette::Base));
    for (size_t i = 0; i < blocks_.size(); ++i) {
        painter.fillRect(BlockRect(i), BlockColor(i));
    }
    painter.setPen(QPen(over_ ? QColor(Qt::red) : palette().color(QPalette::Mid), over_ ? 2 : 1));
    painter.drawRect(bar);
}

void UsageBar::mousePressEvent(QMouseEvent* e) {
    const int block = BlockAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && block >= 0 && clicked_) {
        clicked_(blocks_[static_cast<size_t>(block)]);
        return;
    }
    QWidget::mousePressEvent(e);
}

bool UsageBar::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(e);
        const int block = BlockAt(help->pos());
        if (block >= 0) {
            QToolTip::showText(help->globalPos(),
                               BlockDescription(blocks_[static_cast<size_t>(block)]), this,
                               BlockRect(static_cast<size_t>(block)));
        } else {
            QToolTip::hideText();
            e->ignore();
        }
        return true;
    }
    return QWidget::event(e);
}

}  // namespace tarngui
