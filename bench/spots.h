#pragma once

#include "layout/layout.h"

// Where a widget of a screen lies on its window, worked out from the game's layout tables the way
// the screens place their widgets, so that an outside driver can click it.
namespace spots {

struct Point {
    int x, y;
};

// The centre of `widget` (element `index` of an array) on a window whose client area is
// `width` by `height` pixels; a maximised screen scales its layout to that area.
Point Centre(const layout::Screen& screen, layout::Widget widget, int index, int width, int height);

}  // namespace spots
