#include "toolkit/beep.h"

#include <QApplication>

namespace tk {
namespace {
std::function<void()>& Listener() {
    static std::function<void()> listener;
    return listener;
}
}  // namespace

void Beep() {
    if (Listener()) {
        Listener()();
    }
    QApplication::beep();
}

void SetBeepListener(std::function<void()> listener) {
    Listener() = std::move(listener);
}

}  // namespace tk
