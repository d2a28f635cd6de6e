#pragma once

#include <QtTest>
#include <cstdint>

// Starts every test from a fresh program: no screen loaded, the game state as at program start,
// the manual clock at 0 and a fixed random sequence, so that a test plays the same way every time.
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

// Declares a test's columns, of types T, and returns row(tag, values...) that adds a row.
template <class... T, class... Name>
auto Columns(Name... names) {
    (QTest::addColumn<T>(names), ...);
    return [](const char* tag, const T&... values) { (QTest::newRow(tag) << ... << values); };
}

// A category file of `blocks` blocks whose every text names its block and row: block 7 is titled
// "Title 7", and its third question and answer read "q7.3" and "a7.3".
QByteArray Blocks(int blocks, const char* lineEnd = "\n");

// Writes a file in the working directory; a failure fails the calling test.
void WriteFile(const QString& name, const QByteArray& bytes);
