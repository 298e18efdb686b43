#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "geometry/optimise.h"
#include "geometry/path_reverse.h"
#include "store/entry_text.h"
#include "store/pair_text.h"
#include "support/recording_host.h"

namespace zrv {
namespace {

struct MillingCase {
    const char* name;
    const char* level;
    std::vector<std::string> paths;
    std::vector<std::string> result;
};

const std::vector<MillingCase> kMillingCases = {
    {"three segments become one path",
     "1-Standard",
     {" X=00.000 Y=00.000 X=10.000 Y=00.000", " X=20.000 Y=00.000 X=10.000 Y=00.000",
      " X=20.000 Y=00.000 X=20.000 Y=10.000"},
     {" X=00.000 Y=00.000 X=10.000 Y=00.000 X=10.000 Y=00.000 X=20.000 Y=00.000"
      " X=20.000 Y=00.000 X=20.000 Y=10.000"}},
    {"a closed figure is never reversed",
     "1-Standard",
     {" X=10.000 Y=10.000 X=12.000 Y=10.000 X=12.000 Y=08.000 X=10.000 Y=10.000"},
     {" X=10.000 Y=10.000 X=12.000 Y=10.000 X=12.000 Y=08.000 X=10.000 Y=10.000"}},
    {"ends 0.001 apart are not joined",
     "1-Standard",
     {" X=00.000 Y=00.000 X=01.000 Y=00.000", " X=01.001 Y=00.000 X=02.000 Y=00.000"},
     {" X=00.000 Y=00.000 X=01.000 Y=00.000", " X=01.001 Y=00.000 X=02.000 Y=00.000"}},
    {"ends equal to three decimals join whatever their pattern",
     "1-Standard",
     {" X=0.000 Y=0.000 X=1.000 Y=2.000", " X=0001.000 Y=0002.000 X=5.000 Y=5.000"},
     {" X=0.000 Y=0.000 X=1.000 Y=2.000 X=0001.000 Y=0002.000 X=5.000 Y=5.000"}},
    {"a single path entered at its nearer end",
     "1-Standard",
     {" X=05.000 Y=05.000 X=01.000 Y=01.000"},
     {" X=01.000 Y=01.000 X=05.000 Y=05.000"}},
    {"a start beats an earlier end at the same distance",
     "1-Standard",
     {" X=05.000 Y=05.000 X=03.000 Y=04.000", " X=04.000 Y=03.000 X=09.000 Y=09.000"},
     {" X=04.000 Y=03.000 X=09.000 Y=09.000", " X=05.000 Y=05.000 X=03.000 Y=04.000"}},
    {"of two ends at the same distance the earlier wins",
     "1-Standard",
     {" X=09.000 Y=09.000 X=03.000 Y=04.000", " X=09.000 Y=08.000 X=04.000 Y=03.000"},
     {" X=03.000 Y=04.000 X=09.000 Y=09.000", " X=09.000 Y=08.000 X=04.000 Y=03.000"}},
    {"of two starts at the same distance the later wins",
     "1-Standard",
     {" X=03.000 Y=04.000 X=20.000 Y=20.000", " X=04.000 Y=03.000 X=20.000 Y=21.000"},
     {" X=04.000 Y=03.000 X=20.000 Y=21.000", " X=20.000 Y=20.000 X=03.000 Y=04.000"}},
    {"a path's start beats its own end at the same distance",
     "1-Standard",
     {" X=03.000 Y=04.000 X=04.000 Y=03.000"},
     {" X=03.000 Y=04.000 X=04.000 Y=03.000"}},
    {"ties go by the position after the exchanges",
     "1-Standard",
     {" X=10.000 Y=00.000 X=30.000 Y=30.000", " X=00.000 Y=10.000 X=30.000 Y=31.000",
      " X=05.000 Y=05.000 X=05.000 Y=05.000"},
     {" X=05.000 Y=05.000 X=05.000 Y=05.000", " X=10.000 Y=00.000 X=30.000 Y=30.000",
      " X=30.000 Y=31.000 X=00.000 Y=10.000"}},
    {"level 2 prefers the row",
     "2-Stufe",
     {" X=00.000 Y=02.000 X=00.000 Y=12.000", " X=03.000 Y=00.000 X=03.000 Y=-9.000"},
     {" X=03.000 Y=00.000 X=03.000 Y=-9.000", " X=00.000 Y=02.000 X=00.000 Y=12.000"}},
    {"level 0 keeps the texts as read",
     "0-keine",
     {" X=5 Y=5 X=1 Y=1", " X=1 Y=1 X=0 Y=0"},
     {" X=5 Y=5 X=1 Y=1", " X=1 Y=1 X=0 Y=0"}},
    {"a foreign level neither orders nor joins",
     "9-Stufe",
     {" X=5 Y=5 X=1 Y=1", " X=1 Y=1 X=0 Y=0"},
     {" X=5 Y=5 X=1 Y=1", " X=1 Y=1 X=0 Y=0"}},
};

TEST(MillingOrder, WorkedCases) {
    for (const MillingCase& c : kMillingCases) {
        SCOPED_TRACE(c.name);
        test::RecordingHost recording;
        std::vector<std::string> paths = c.paths;
        FRAESUNGEN_OPTIMIEREN(paths, c.level, recording.host);
        EXPECT_EQ(paths, c.result);
    }
}

TEST(MillingOrder, StatusLinesWithJoins) {
    test::RecordingHost recording(kGermanLocale);
    recording.clock.seconds = 3600.125;
    std::vector<std::string> paths = kMillingCases[0].paths;
    FRAESUNGEN_OPTIMIEREN(paths, "1-Standard", recording.host);
    EXPECT_EQ(paths.size(), 1U);
    EXPECT_EQ(recording.progress.lines,
              (std::vector<std::string>{"", "Fräsungen optimieren...", "erfolgreich verkettet: 2",
                                        "0,000s"}));
    EXPECT_EQ(recording.progress.eventPasses, 1);
    EXPECT_TRUE(recording.progress.titles.empty());
}

TEST(MillingOrder, StatusLinesWithoutJoins) {
    test::RecordingHost recording(kCLocale);
    std::vector<std::string> paths = {" X=05.000 Y=05.000 X=01.000 Y=01.000"};
    FRAESUNGEN_OPTIMIEREN(paths, "1-Standard", recording.host);
    EXPECT_EQ(recording.progress.lines,
              (std::vector<std::string>{"", "Fräsungen optimieren...", "0.000s"}));
}

TEST(MillingOrder, NothingToDoWritesNothing) {
    for (const char* level : {"0-keine", "", "x", "8"}) {
        SCOPED_TRACE(level);
        test::RecordingHost recording;
        std::vector<std::string> paths = {" X=5 Y=5 X=1 Y=1"};
        FRAESUNGEN_OPTIMIEREN(paths, level, recording.host);
        EXPECT_TRUE(recording.progress.lines.empty());
        EXPECT_EQ(recording.progress.eventPasses, 0);
    }
    test::RecordingHost recording;
    std::vector<std::string> none;
    FRAESUNGEN_OPTIMIEREN(none, "1-Standard", recording.host);
    EXPECT_TRUE(none.empty());
    EXPECT_TRUE(recording.progress.lines.empty());
}

TEST(GraficOptimieren, DrillsThenMills) {
    test::RecordingHost recording;
    FigureStore store;
    store.PUNKTE = {" X=0009.000 Y=0000.000", " X=0001.000 Y=0000.000"};
    store.FRAESUNGEN = {" X=09.000 Y=09.000 X=01.000 Y=01.000"};
    PrepareChoices choices;
    choices.Combo_BOHRUNGEN_OPTIMIEREN = "1-Standard";
    choices.Combo_FRAESUNGEN_OPTIMIEREN = "3-Stufe";
    GRAFIC_OPTIMIEREN(store, choices, recording.host);
    EXPECT_EQ(store.PUNKTE,
              (std::vector<std::string>{" X=0001.000 Y=0000.000", " X=0009.000 Y=0000.000"}));
    EXPECT_EQ(store.FRAESUNGEN, (std::vector<std::string>{" X=01.000 Y=01.000 X=09.000 Y=09.000"}));
    EXPECT_EQ(recording.progress.lines,
              (std::vector<std::string>{"", "Bohrungen (Punkte) optimieren...", "0,000s", "",
                                        "Fräsungen optimieren...", "0,000s"}));
}

struct ReverseCase {
    const char* name;
    const char* path;
    const char* reversed;
};

TEST(PfadUmkehren, RewritesEveryPairBackwards) {
    const std::vector<ReverseCase> cases = {
        {"two pairs", " X=1.000 Y=2.000 X=3.000 Y=4.000", " X=03.000 Y=04.000 X=01.000 Y=02.000"},
        {"point pattern", " X=0012.500 Y=-0003.500", " X=12.500 Y=-03.500"},
        {"more digits than the minimum", " X=123.4567 Y=0 X=1 Y=1",
         " X=01.000 Y=01.000 X=123.457 Y=00.000"},
        {"three pairs", " X=1 Y=1 X=2 Y=2 X=3 Y=3",
         " X=03.000 Y=03.000 X=02.000 Y=02.000 X=01.000 Y=01.000"},
        {"no pair", "", ""},
        {"negative zero loses its sign", " X=-0000.000 Y=-0.001", " X=00.000 Y=-00.001"},
        {"not the store's shape", " X=1,5 Y=2  X=3 Y=4.25", " X=03.000 Y=04.250 X=01.000 Y=02.000"},
    };
    for (const ReverseCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PFAD_UMKEHREN(c.path), c.reversed);
    }
}

// Texts in the store's shape are rewritten without going through their values; the result
// must be what formatting the read values gives, for every width and sign, also for numbers
// of more digits than a double holds to three decimals. When the numbers were kept, the
// optimiser swaps the path's ends instead of reading them again: the pairs must read back
// as the old ones in reverse order.
TEST(PfadUmkehren, StoreShapeEqualsFormattedValues) {
    std::mt19937 rng(5);
    const auto digitsOf = [&rng](std::size_t count) {
        std::string digits;
        for (std::size_t k = 0; k < count; ++k) {
            digits += static_cast<char>('0' + rng() % 10);
        }
        return digits;
    };
    int kept = 0;
    for (int run = 0; run < 3000; ++run) {
        std::string text;
        const std::size_t pairs = 1 + rng() % 4;
        for (std::size_t k = 0; k < 2 * pairs; ++k) {
            text += k % 2 == 0 ? " X=" : " Y=";
            if (rng() % 3 == 0) {
                text += '-';
            }
            // mostly short and zero-padded, sometimes up to 18 digits
            const bool small = rng() % 4 != 0;
            text += small ? std::string(rng() % 4, '0') + digitsOf(1 + rng() % 2)
                          : digitsOf(1 + rng() % 18);
            text += "." + (rng() % 8 == 0 ? std::string("000") : digitsOf(3));
        }
        std::vector<Point> read = readPairs(text);
        std::reverse(read.begin(), read.end());
        ASSERT_EQ(PFAD_UMKEHREN(text), pairsText(read, "00.000", kCLocale)) << text;
        const ReversedPath reversed = reversePath(text);
        if (reversed.keptNumbers) {
            ++kept;
            ASSERT_EQ(readPairs(reversed.text), read) << text;
        }
    }
    EXPECT_GT(kept, 1000);
    EXPECT_FALSE(reversePath(" X=1,5 Y=2").keptNumbers);
}

}  // namespace
}  // namespace zrv
