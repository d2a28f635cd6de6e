#pragma once

#include <QtTest>
#include <cstdint>

#include "support/columns.h"

// Starts every test from a fresh program: no screen loaded, no saved game, the manual clock at 0
// and a fixed seed for the game's draws, so that a test plays the same way every time.
void FreshProgram(std::uint64_t seed = 1);

// Whether a person could click the widget now: shown on a shown window, and enabled.
inline bool Reachable(const QWidget& widget) {
    return widget.window()->isVisible() && widget.isVisibleTo(widget.window()) &&
           widget.isEnabled();
}

// What a user's click on a widget does; a click the user could not make fails the test.
template <class W>
void UserClick(W& widget) {
    QVERIFY2(Reachable(widget), "the widget is hidden or disabled");
    if constexpr (requires { widget.Press(); }) {
        widget.Press();
    } else {
        widget.click();
    }
}

// A category file of `blocks` blocks whose every text names its block and row: block 7 is titled
// "Title 7", and its third question and answer read "q7.3" and "a7.3".
QByteArray Blocks(int blocks, const char* lineEnd = "\n");

// A text wrapped as a label wraps it, at word boundaries or, for a word longer than a line,
// anywhere: how many lines it takes `width` pixels wide, and how high they stand.
struct Wrapped {
    int lines = 0;
    qreal height = 0;
};
Wrapped Wrap(const QFont& font, const QString& text, qreal width);

// Writes a file in the working directory; a failure fails the calling test.
void WriteFile(const QString& name, const QByteArray& bytes);
