#pragma once

#include <QFont>
#include <QSize>
#include <QString>

#include "layout/layout.h"

// How a text that shrinks to fit its box is laid out: wrapped at word boundaries, a word longer
// than a line broken anywhere. Qt Gui only, so that zapcheck measures exactly as the game draws.
namespace tk {

// Whether `text` at `font` fits inside a box of `box` pixels.
bool TextFits(const QFont& font, const QString& text, QSize box);
// The largest size, to a quarter point, at which `text` fits `box`: `font`'s own size when it
// fits at that, and never below a point.
qreal FittedPointSize(const QFont& font, const QString& text, QSize box);

// Twips to pixels at 96 dots per inch, scaled by `factor`: the one rounding rule of every screen.
int Pixels(int twips, double factor = 1.0);

// The font of a layout row, its family with the stand-ins for a face that is not installed.
QFont FontOf(const layout::Font& font, unsigned style, double factor = 1.0);

}  // namespace tk
