#include "platform/controls/Panel.h"
#include "platform/controls/Repaint.h"

#include "platform/controls/Frame3D.h"

#include <algorithm>

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

namespace {

// The window-frame colour of the single-line border.
constexpr QColor borderColor{0, 0, 0};
constexpr QChar backslash{u'\\'};
constexpr QChar yenSign{0x00A5};

// The caption band is one font height tall, centred in the space the bevels leave, so that a caption
// wider than the panel is cut at the bevels rather than painted over them.
QRect captionBand(const QRect& inside, int fontHeight) {
    const int top = inside.top() + (inside.height() - fontHeight) / 2;
    return {inside.left(), top, inside.width(), fontHeight};
}

} // namespace

TPanel::TPanel(QWidget* parent)
    : QWidget(parent), color_(palette().color(QPalette::Button)),
      fontColor_(palette().color(QPalette::ButtonText)) {
    setFocusPolicy(Qt::NoFocus);
    // Every pixel is painted (border, bevels and background), so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::setBevelOuter(TBevelCut cut) {
    SetAndRepaint(this, bevelOuter_, cut);
}

void TPanel::setBevelInner(TBevelCut cut) {
    SetAndRepaint(this, bevelInner_, cut);
}

void TPanel::setBevelWidth(int width) {
    SetAndRepaint(this, bevelWidth_, std::max(width, 1));
}

void TPanel::setBorderSingle(bool on) {
    SetAndRepaint(this, borderSingle_, on);
}

void TPanel::setCaption(const QString& caption) {
    SetAndRepaint(this, caption_, caption);
}

void TPanel::setColor(const QColor& color) {
    SetAndRepaint(this, color_, color);
}

void TPanel::setFontColor(const QColor& color) {
    SetAndRepaint(this, fontColor_, color);
}

void TPanel::setYenForBackslash(bool on) {
    SetAndRepaint(this, yenForBackslash_, on);
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect inside = rect();
    if (borderSingle_) {
        inside = drawFrame3D(painter, inside, {borderColor, borderColor}, 1);
    }
    inside = drawBevel(painter, inside, palette(), bevelOuter_, bevelWidth_);
    inside = drawBevel(painter, inside, palette(), bevelInner_, bevelWidth_);
    painter.fillRect(inside, color_);
    if (caption_.isEmpty()) {
        return;
    }
    QString text = caption_;
    if (yenForBackslash_) {
        text.replace(backslash, yenSign);
    }
    painter.setPen(fontColor_);
    painter.drawText(captionBand(inside, painter.fontMetrics().height()),
                     Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
}

void TPanel::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(this, event->button(), event->position().toPoint());
}

// Qt replaces the second press of a double click by this event, so it is that press.
void TPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    emit MouseDown(this, event->button(), event->position().toPoint());
}

void TPanel::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(this, event->button(), event->position().toPoint());
}

} // namespace platform
