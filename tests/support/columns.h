#pragma once

#include <QTest>

// Declares a test's columns, of types T, and returns row(tag, values...) that adds a row.
template <class... T, class... Name>
auto Columns(Name... names) {
    (QTest::addColumn<T>(names), ...);
    return [](const char* tag, const T&... values) { (QTest::newRow(tag) << ... << values); };
}
