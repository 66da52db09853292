#include "platform/controls/Frame3D.h"
#include "platform/controls/Repaint.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace platform {

namespace {

// The filled part of `width` pixels; 64-bit so that wide ranges do not overflow.
int filledWidth(int width, int min, int max, int position) {
    if (max <= min) {
        return 0;
    }
    const auto done = static_cast<long long>(position) - min;
    const auto span = static_cast<long long>(max) - min;
    return static_cast<int>(width * done / span);
}

} // namespace

TProgressBar::TProgressBar(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// A maximum below the minimum leaves an empty range at the minimum rather than an inverted one.
void TProgressBar::setRange(int min, int max) {
    max = std::max(min, max);
    const int position = std::clamp(position_, min, max);
    if (min_ == min && max_ == max && position_ == position) {
        return;
    }
    min_ = min;
    max_ = max;
    position_ = position;
    update();
}

void TProgressBar::setPosition(int position) {
    SetAndRepaint(this, position_, std::clamp(position, min_, max_));
}

void TProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colors = palette();
    const QRect inside = drawFrame3D(painter, rect(), bevelColors(colors, TBevelCut::bvLowered), 1);
    painter.fillRect(inside, colors.color(QPalette::Button));
    const int filled = filledWidth(inside.width(), min_, max_, position_);
    painter.fillRect(inside.left(), inside.top(), filled, inside.height(), colors.color(QPalette::Highlight));
}

// The press belongs to the bar, so that its release comes back here and not to what lies beneath.
void TProgressBar::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void TProgressBar::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(this, event->button(), event->position().toPoint());
}

} // namespace platform
