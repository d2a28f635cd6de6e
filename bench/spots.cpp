#include "spots.h"

#include <algorithm>

#include "layout/layout.h"
#include "toolkit/look.h"

namespace spots {

Point Centre(const layout::Screen& screen, layout::Widget widget, int index, int width,
             int height) {
    const layout::Row& row = layout::Find(screen, widget, index);
    double scale = 1.0;
    int offset = 0;
    if (screen.window.maximised) {
        int right = 0, bottom = 0;
        for (const layout::Row& r : screen.rows) {
            if (r.parent == layout::Widget::none) {
                right = std::max(right, r.left + r.width);
                bottom = std::max(bottom, r.top + r.height);
            }
        }
        scale = std::max(
            1.0, std::min(double(width) / tk::Pixels(right), double(height) / tk::Pixels(bottom)));
        offset = scale > 1.0 ? (width - tk::Pixels(right, scale)) / 2 : 0;
    }
    int left = row.left, top = row.top;
    if (row.parent != layout::Widget::none) {
        const layout::Row& frame = layout::Find(screen, row.parent);
        left += frame.left;
        top += frame.top;
    }
    return {offset + tk::Pixels(left + row.width / 2, scale),
            tk::Pixels(top + row.height / 2, scale)};
}

}  // namespace spots
