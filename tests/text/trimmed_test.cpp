#include "text/trimmed.h"

#include <gtest/gtest.h>

#include <string_view>

namespace zrv {
namespace {

TEST(Trimmed, BlanksTabsAndCarriageReturnsGoOnlyAtTheEnds) {
    struct Case {
        std::string_view text;
        std::string_view trimmed;
    };
    for (const Case& c : {Case{"", ""}, Case{" \t\r ", ""}, Case{"$110=500", "$110=500"},
                          Case{" \tkey = 1 \r", "key = 1"}, Case{"\n x\n", "\n x\n"}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(trimmed(c.text), c.trimmed);
    }
}

}  // namespace
}  // namespace zrv
