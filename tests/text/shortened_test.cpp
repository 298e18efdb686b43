#include "text/shortened.h"

#include <gtest/gtest.h>

#include <string>

namespace zrv {
namespace {

TEST(Shortened, ALongTextShowsItsStartCutBeforeACharacter) {
    const std::string forty(40, 'x');
    struct Case {
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"", ""},
        {forty, forty},
        {forty + "y", forty + "…"},
        {std::string(39, 'x') + "äb", std::string(39, 'x') + "…"},
        {std::string(38, 'x') + "äb", std::string(38, 'x') + "ä…"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(shortened(c.text), c.shown);
    }
    EXPECT_EQ(shortened("abcdef", 3), "abc…");
}

}  // namespace
}  // namespace zrv
