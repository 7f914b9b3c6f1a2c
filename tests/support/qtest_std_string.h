// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>

#include <cstddef>
#include <string>

// Lets QCOMPARE print both sides when std::string values differ; a long text is cut, with its
// length, so a failure on a huge paste stays readable. Include it before the first QCOMPARE
// of std::string in a file.
namespace QTest {
template <> inline char* toString(const std::string& text) {
    constexpr std::size_t shownAtMost = 200;
    if (text.size() <= shownAtMost) {
        return qstrdup(text.c_str());
    }
    const std::string cut =
        text.substr(0, shownAtMost) + "... (" + std::to_string(text.size()) + " bytes)";
    return qstrdup(cut.c_str());
}
} // namespace QTest
