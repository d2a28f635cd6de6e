#pragma once

#include <string_view>

namespace layout {
struct Screen;
}

// Where a widget of a screen lies on its window, worked out from the game's layout tables the way
// the screens place their widgets, so that an outside driver can click it.
namespace spots {

struct Point {
    int x, y;
};

// The centre of widget `name` (element `index` of an array) on a window whose client area is
// `width` by `height` pixels; a maximised screen scales its layout to that area.
Point Centre(const layout::Screen& screen, std::string_view name, int index, int width, int height);

}  // namespace spots
