#include "gcode/comment_text.h"

#include <gtest/gtest.h>

namespace zrv {
namespace {

TEST(CommentSafe, OutsideTextsCarryNoRealTimeCommandOfTheController) {
    const struct {
        const char* name;
        const char* text;
        const char* comment;
    } cases[] = {
        {"umlauts, ß and the degree sign stay", "Größe Ä Ö Ü ä ö ü 5°", "Größe Ä Ö Ü ä ö ü 5°"},
        {"brackets", "Platine (Kopie)", "Platine [Kopie]"},
        {"line break and tab", "a\nb\tc", "a_b_c"},
        {"feed hold, cycle start, status query", "Stop! ~1 was?", "Stop. -1 was_"},
        {"dashes", "Platine – neu — alt", "Platine - neu - alt"},
        {"double quotes", "„Test“ ”x”", "\"Test\" \"x\""},
        {"single quotes", "Peter’s ‘a’", "Peter's 'a'"},
        {"ellipsis and bullet", "a… •b", "a... -b"},
        {"no-break space and ¡", "a\u00A0b ¡", "a b i"},
        {"the rest of 0x80 to 0x9F", "€‚ƒ†‡ˆ‰Š‹ŒŽ˜™š›œžŸ", "EUR,f++^o/ooS<OEZ-TMs>oezY"},
        {"C1 controls", "a\u0081\u009Db", "a__b"},
        {"no Windows-1252 character", "Łódź 中", "_ód_ _"},
        {"broken UTF-8", "a\xFF\xC3", "a__"},
        {"0xA2 and up stay", "¢£¥§©«®±µ¶·»¿ÿ", "¢£¥§©«®±µ¶·»¿ÿ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(commentSafe(c.text), c.comment);
    }
}

}  // namespace
}  // namespace zrv
