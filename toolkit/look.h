#pragma once

#include <QColor>
#include <QFont>

#include "layout/layout.h"
#include "toolkit/textfit.h"

namespace tk {

class Window;

QColor Rgb(int rgb);

// A text of the layout in the room's language, or as written where no translation has it.
QString Translated(std::string_view text);

// Gives a widget the caption, font, colours, style and box of its layout row.
void ApplyRow(QWidget* widget, const layout::Row& row);
// Puts a widget in its row's box and font, scaled by `factor` and moved by `offset` pixels.
void PlaceRow(QWidget* widget, const layout::Row& row, double factor, QPoint offset);
// Gives a screen its title, background, border style, size and placement.
void ApplyWindow(Window* target, const layout::Window& window);
// Moves a window where its layout places it: centred on the display, or at its position.
void PlaceWindow(QWidget* target, const layout::Window& window);

}  // namespace tk
