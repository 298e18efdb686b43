#include "text/windows1252.h"

#include <gtest/gtest.h>

namespace zrv {
namespace {

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

TEST(Windows1252, GermanLettersAndSpecialSigns) {
    EXPECT_EQ(utf8ToWindows1252("Fräsung"), "Fr\xE4sung");
    EXPECT_EQ(utf8ToWindows1252("ÄÖÜäöüß"), "\xC4\xD6\xDC\xE4\xF6\xFC\xDF");
    EXPECT_EQ(utf8ToWindows1252("€ „x“"), "\x80 \x84x\x93");
    EXPECT_EQ(windows1252ToUtf8("Bohrh\xF6he"), "Bohrhöhe");
}

TEST(Windows1252, WhatItCannotHoldBecomesQuestionMark) {
    EXPECT_EQ(utf8ToWindows1252("a✓b"), "a?b");
    EXPECT_EQ(utf8ToWindows1252("a\xFF"
                                "b"),
              "a?b");                             // not UTF-8
    EXPECT_EQ(utf8ToWindows1252("a\xC3"), "a?");  // cut-off sequence
}

}  // namespace
}  // namespace zrv
