#include "components/Labels/Labels.h"

#include <QEvent>
#include <QPainter>

TLabel3D::TLabel3D(QWidget* parent)
    : QLabel(parent), color_(palette().color(QPalette::Button)),
      fontColor_(palette().color(QPalette::ButtonText)) {
    setAutoFillBackground(false);
}

void TLabel3D::setCaption(const QString& caption) {
    if (caption == text()) {
        return;
    }
    setText(caption);
    adjustBounds();
    update();
}

void TLabel3D::setBackColor(const QColor& color) {
    if (color == backColor_) {
        return;
    }
    backColor_ = color;
    update();
}

void TLabel3D::setDepth(int depth) {
    if (depth == depth_) {
        return;
    }
    depth_ = depth;
    update();
}

void TLabel3D::setTransparent(bool on) {
    if (on == transparent_) {
        return;
    }
    transparent_ = on;
    update();
}

void TLabel3D::setColor(const QColor& color) {
    if (color == color_) {
        return;
    }
    color_ = color;
    update();
}

void TLabel3D::setFontColor(const QColor& color) {
    if (color == fontColor_) {
        return;
    }
    fontColor_ = color;
    update();
}

void TLabel3D::setShowAccelChar(bool on) {
    if (on == showAccelChar_) {
        return;
    }
    showAccelChar_ = on;
    adjustBounds();
    update();
}

void TLabel3D::setAutoSize(bool on) {
    if (on == autoSize_) {
        return;
    }
    autoSize_ = on;
    adjustBounds();
}

int TLabel3D::TextFormat() const {
    const Qt::Alignment horizontal = alignment() & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter);
    return int(horizontal == 0 ? Qt::AlignLeft : horizontal) | Qt::AlignTop | Qt::TextSingleLine |
           (showAccelChar_ ? Qt::TextShowMnemonic : 0);
}

void TLabel3D::adjustBounds() {
    if (autoSize_) {
        resize(fontMetrics().size(TextFormat(), text()));
    }
}

void TLabel3D::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        adjustBounds();
    }
}

void TLabel3D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_) {
        painter.fillRect(rect(), color_);
    }
    const int format = TextFormat();
    painter.setBrush(Qt::NoBrush);
    painter.setFont(font());
    painter.setPen(backColor_);
    painter.drawText(rect().translated(depth_, depth_), format, text());
    painter.setPen(isEnabled() ? fontColor_ : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(rect(), format, text());
}
