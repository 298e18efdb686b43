#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/probe_values.h"

namespace zrv {
namespace {

// A probe choice typed in the window, read as the German desk writes numbers.
TEST(ProbeValues, TypedTextIsTakenOrRefused) {
    struct Case {
        std::string_view key;
        const char* typed;
        const char* refusal;  // part of it; "" = taken
    };
    for (const Case& c : std::vector<Case>{
             {"antasten_abheben", "1e3", "keine Zahl: „1e3“"},
             {"antasten_vorschub", "0,5", "muss zwischen 1 und 200 liegen, nicht 0,5"},
             {"antasten_tiefe", " -1,5 ", ""}}) {
        SCOPED_TRACE(c.key);
        bool found = false;
        for (const ProbeValueRow& row : probeValueRows()) {
            if (row.key == c.key) {
                found = true;
                const ProbeValueRead read = readProbeValue(row, c.typed, kGermanLocale);
                EXPECT_EQ(read.value.has_value(), *c.refusal == 0);
                EXPECT_NE(read.refusal.find(c.refusal), std::string::npos) << read.refusal;
                EXPECT_EQ(read.refusal.empty(), *c.refusal == 0);
            }
        }
        ASSERT_TRUE(found);
    }
}

}  // namespace
}  // namespace zrv
