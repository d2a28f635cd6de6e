#include "layout/layout.h"

#include <stdexcept>
#include <string>

namespace layout {

const Row& Find(const Screen& screen, Widget widget, int index) {
    for (const Row& row : screen.rows) {
        if (row.widget == widget && row.index == index) {
            return row;
        }
    }
    throw std::logic_error("no layout row for widget " + std::to_string(int(widget)) + "(" +
                           std::to_string(index) + ") on " + std::string(screen.window.title));
}

int TimerInterval(const Screen& screen, Timer timer) {
    for (const TimerRow& row : screen.timers) {
        if (row.timer == timer) {
            return row.interval;
        }
    }
    throw std::logic_error("no timer " + std::to_string(int(timer)) + " on " +
                           std::string(screen.window.title));
}

}  // namespace layout
