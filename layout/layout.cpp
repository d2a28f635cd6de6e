#include "layout/layout.h"

#include <stdexcept>
#include <string>

namespace layout {

const Row& Find(const Screen& screen, std::string_view name, int index) {
    for (const Row& row : screen.rows) {
        if (row.name == name && row.index == index) {
            return row;
        }
    }
    throw std::logic_error("no layout row for " + std::string(name) + "(" + std::to_string(index) +
                           ") on " + std::string(screen.window.title));
}

}  // namespace layout
