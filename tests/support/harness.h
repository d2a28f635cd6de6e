#pragma once

#include <QtTest>
#include <cstdint>

// Starts every test from a fresh program: no screen loaded, the game state as at program start,
// the manual clock at 0 and a fixed random sequence, so that a test plays the same way every time.
void FreshProgram(std::uint64_t seed = 1);

// What a user's click on a widget does, refused when the user could not reach it: the widget
// must be visible on a visible window, and enabled.
template <class W>
void UserClick(W& widget) {
    QVERIFY2(widget.window()->isVisible(), "the widget's window is not visible");
    QVERIFY2(widget.isVisibleTo(widget.window()), "the widget is hidden");
    QVERIFY2(widget.isEnabled(), "the widget is disabled");
    if constexpr (requires { widget.Press(); }) {
        widget.Press();
    } else {
        widget.click();
    }
}
