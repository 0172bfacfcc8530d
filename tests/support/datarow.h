#pragma once

// A data row of a table-driven test on one line: row("tag", a, b, c) is
// QTest::newRow("tag") << a << b << c.

#include <QTest>

template <typename... T> void row(const char* tag, const T&... values) {
    (QTest::newRow(tag) << ... << values);
}
