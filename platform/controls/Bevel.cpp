#include "platform/controls/Frame3D.h"

#include <QPainter>

namespace platform {

namespace {

// A two-pixel edge: the outer ring in the strongest light and shadow, the inner ring in the softer ones.
struct BoxEdge {
    EdgeColors outer;
    EdgeColors inner;
};

BoxEdge boxEdge(const QPalette& palette, TBevelCut style) {
    const QColor light = palette.color(QPalette::Light);
    const QColor midlight = palette.color(QPalette::Midlight);
    const QColor dark = palette.color(QPalette::Dark);
    const QColor shadow = palette.color(QPalette::Shadow);
    if (style == TBevelCut::bvLowered) {
        return {{dark, light}, {shadow, midlight}};
    }
    return {{light, shadow}, {midlight, dark}};
}

} // namespace

TBevel::TBevel(QWidget* parent, TBevelCut style) : QWidget(parent), style_(style) {
    setFocusPolicy(Qt::NoFocus);
    // A frame drawn over other controls must not take their clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*) {
    if (style_ == TBevelCut::bvNone) {
        return;
    }
    QPainter painter(this);
    const BoxEdge edge = boxEdge(palette(), style_);
    const QRect inside = drawFrame3D(painter, rect(), edge.outer, 1);
    drawFrame3D(painter, inside, edge.inner, 1);
}

} // namespace platform
