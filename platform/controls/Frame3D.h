#pragma once
// The three-dimensional edges shared by the bevelled controls.

#include "platform/controls/Panel.h"

#include <QColor>
#include <QPalette>
#include <QRect>

class QPainter;

namespace platform {

struct EdgeColors {
    QColor topLeft;
    QColor bottomRight;
};

// Light above and left for a raised cut, dark there for a lowered one.
EdgeColors bevelColors(const QPalette& palette, TBevelCut cut);

// Draws `width` nested one-pixel rings just inside `rect`, each light (or dark) on top and left and the
// other colour on the bottom and right, the bottom-right colour owning the top-right and bottom-left
// corners; returns the rectangle left inside the rings.
QRect drawFrame3D(QPainter& painter, const QRect& rect, const EdgeColors& colors, int width);

// Draws the bevel of `cut` (nothing for bvNone) and returns the rectangle left inside it.
QRect drawBevel(QPainter& painter, const QRect& rect, const QPalette& palette, TBevelCut cut, int width);

} // namespace platform
