#include "platform/controls/Frame3D.h"

#include <QPainter>

namespace platform {

EdgeColors bevelColors(const QPalette& palette, TBevelCut cut) {
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    if (cut == TBevelCut::bvLowered) {
        return {dark, light};
    }
    return {light, dark};
}

QRect drawFrame3D(QPainter& painter, const QRect& rect, const EdgeColors& colors, int width) {
    QRect ring = rect;
    for (int i = 0; i < width && ring.width() > 0 && ring.height() > 0; ++i) {
        painter.fillRect(ring.left(), ring.top(), ring.width() - 1, 1, colors.topLeft);
        painter.fillRect(ring.left(), ring.top(), 1, ring.height() - 1, colors.topLeft);
        painter.fillRect(ring.right(), ring.top(), 1, ring.height(), colors.bottomRight);
        painter.fillRect(ring.left(), ring.bottom(), ring.width(), 1, colors.bottomRight);
        ring.adjust(1, 1, -1, -1);
    }
    return ring;
}

QRect drawBevel(QPainter& painter, const QRect& rect, const QPalette& palette, TBevelCut cut, int width) {
    if (cut == TBevelCut::bvNone) {
        return rect;
    }
    return drawFrame3D(painter, rect, bevelColors(palette, cut), width);
}

} // namespace platform
