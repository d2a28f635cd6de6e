#pragma once

#include <QPixmap>

// The game's title pictures, drawn at build time and compiled into the game as resources.
// Each is returned at its native size; callers stretch them to fit their boxes.
namespace layout {

// Title banner across the top left of the board window (476 x 78).
QPixmap Banner();
// Blue-and-white logo shown on the board while sound is on (269 x 181).
QPixmap LogoBlue();
// Red-and-white logo shown on the board while sound is off and on the game-over screen
// (269 x 181).
QPixmap LogoRed();

}  // namespace layout
