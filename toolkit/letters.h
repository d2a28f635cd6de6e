#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QTextOption>

namespace tk {

// Qt draws letters of up to this many pixels from its own cache of glyph pictures, larger ones
// from their outlines (the square of the size, scaled by the painter's transform, is compared;
// letters of exactly this size still come from the cache).
inline constexpr int kLargestCachedGlyph = 64;

// Draws `text` in `box` exactly as QPainter::drawText(box, text, option) does, pixel for pixel,
// but quicker for letters too large for Qt's own glyph cache (over 64 pixels: a question or a
// point value on a 4K projector). Qt fills such letters from outlines it fetches again for every
// caption; here each letter's outline is fetched once and filled on its own, and a new question
// in letters already seen costs only the filling.
void DrawLetters(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                 const QColor& color, const QTextOption& option);

// How many letter outlines are kept, for tests and benchmarks.
int KeptOutlines();

}  // namespace tk
