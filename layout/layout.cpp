#include "layout/layout.h"

#include <QtGlobal>
#include <string>

namespace layout {

const Row& Find(const Screen& screen, Widget widget, int index) {
    for (const Row& row : screen.rows) {
        if (row.widget == widget && row.index == index) {
            return row;
        }
    }
    qFatal("Zapster: no layout row for widget %d(%d) on %s", int(widget), index,
           std::string(screen.window.title).c_str());
}

int TimerInterval(const Screen& screen, Timer timer) {
    for (const TimerRow& row : screen.timers) {
        if (row.timer == timer) {
            return row.interval;
        }
    }
    qFatal("Zapster: no timer %d on %s", int(timer), std::string(screen.window.title).c_str());
}

}  // namespace layout
