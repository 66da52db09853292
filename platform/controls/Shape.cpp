#include "platform/controls/Panel.h"
#include "platform/controls/Repaint.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

TShape::TShape(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TShape::setBrushColor(const QColor& color) {
    SetAndRepaint(this, brush_, color);
}

void TShape::setPenColor(const QColor& color) {
    SetAndRepaint(this, pen_, color);
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(pen_, 1));
    painter.setBrush(brush_);
    // A one-pixel pen covers the rectangle's right and bottom edges as well.
    painter.drawEllipse(rect().adjusted(0, 0, -1, -1));
}

// The press belongs to the shape, so that its release comes back here and not to what lies beneath.
void TShape::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void TShape::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(this, event->button(), event->position().toPoint());
}

} // namespace platform
