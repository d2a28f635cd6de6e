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

int TimerInterval(const Screen& screen, std::string_view name) {
    for (const TimerRow& timer : screen.timers) {
        if (timer.name == name) {
            return timer.interval;
        }
    }
    throw std::logic_error("no timer " + std::string(name) + " on " +
                           std::string(screen.window.title));
}

}  // namespace layout
