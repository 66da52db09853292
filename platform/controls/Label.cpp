#include "platform/controls/Panel.h"
#include "platform/controls/Repaint.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

TLabel::TLabel(QWidget* parent) : QWidget(parent), fontColor_(palette().color(QPalette::ButtonText)) {
    setFocusPolicy(Qt::NoFocus);
}

void TLabel::setCaption(const QString& caption) {
    SetAndRepaint(this, caption_, caption);
}

void TLabel::setFontColor(const QColor& color) {
    SetAndRepaint(this, fontColor_, color);
}

// No background is painted, so the parent shows through around the text.
void TLabel::paintEvent(QPaintEvent*) {
    if (caption_.isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.setPen(fontColor_);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     caption_);
}

// The press belongs to the label, so that its release comes back here and not to what lies beneath.
void TLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(this, event->button(), event->position().toPoint());
}

} // namespace platform
