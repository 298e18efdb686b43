#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "store/entry_text.h"
#include "text/number_format.h"
#include "text/number_scan.h"

#include "support/case_name.h"

namespace zrv {
namespace {

// The straightforward reading: find the letter, take leadingNumber two characters on.
double referenceNumberAfter(std::string_view entry, std::size_t letter) {
    return leadingNumber(entry.substr(std::min(letter + 2, entry.size())));
}

Point referencePoint(std::string_view entry) {
    const std::size_t x = entry.find('X');
    const std::size_t y = entry.find('Y');
    return {x == std::string_view::npos ? 0 : referenceNumberAfter(entry, x),
            y == std::string_view::npos ? 0 : referenceNumberAfter(entry, y)};
}

std::vector<Point> referencePairs(std::string_view entry) {
    std::vector<Point> pairs;
    std::size_t from = 0;
    for (std::size_t x = entry.find('X'); x != std::string_view::npos; x = entry.find('X', from)) {
        const std::size_t y = entry.find('Y', x + 1);
        pairs.push_back({referenceNumberAfter(entry, x),
                         y == std::string_view::npos ? 0 : referenceNumberAfter(entry, y)});
        if (y == std::string_view::npos) {
            break;
        }
        from = y + 1;
    }
    return pairs;
}

// Bit-exact: the fast reading must give the very same doubles.
void expectSame(const std::vector<Point>& actual, const std::vector<Point>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << "pair " << i;
    }
}

// The last pair alone is the last of all pairs.
void expectSameLastPair(std::string_view entry) {
    const std::vector<Point> all = referencePairs(entry);
    const std::optional<Point> last = readLastPair(entry);
    ASSERT_EQ(last.has_value(), !all.empty());
    if (last) {
        EXPECT_EQ(*last, all.back());
    }
}

struct EntryCase {
    const char* name;
    const char* entry;
    std::vector<Point> pairs;

    friend void PrintTo(const EntryCase& row, std::ostream* out) { *out << row.name; }
};

const std::vector<EntryCase> kEntryCases = {
    {"point entry", " X=0012.500 Y=0003.000", {{12.5, 3}}},
    {"negative point", " X=-0003.500 Y=-0001.500", {{-3.5, -1.5}}},
    {"line of two pairs", " X=00.000 Y=00.000 X=25.400 Y=00.000", {{0, 0}, {25.4, 0}}},
    {"circle entry reads centre only",
     " X=50.000 Y=50.000 R=10.000 A=0.000 B=0.000 V=0.000",
     {{50, 50}}},
    {"empty entry", "", {}},
    {"X without Y ends the walk", " X=1.5 Y=2.5 X=7", {{1.5, 2.5}, {7, 0}}},
    {"X as the last character", " X", {{0, 0}}},
    {"blanks inside the number are skipped", " X=1 2.5 Y= - 3", {{12.5, -3}}},
    {"tab is a blank", " X=\t4.25 Y=1", {{4.25, 1}}},
    {"plus sign", " X=+2 Y=+.5", {{2, 0.5}}},
    {"minus zero reads zero", " X=-0 Y=-0.000", {{0, 0}}},
    {"second point stops", " X=1.2.3 Y=4", {{1.2, 4}}},
    {"letters give zero", " X=abc Y=def", {{0, 0}}},
    {"no exponent is read", " X=1e5 Y=2E3", {{1, 2}}},
    {"more digits than a double holds",
     " X=123456789012345678901234567890.5 Y=0.1",
     {{123456789012345678901234567890.5, 0.1}}},
    {"long fraction", " X=0.1234567890123456789012345 Y=3", {{0.1234567890123456789012345, 3}}},
    {"sixteen significant digits", " X=9007199254740993 Y=1", {{9007199254740993.0, 1}}},
    {"comma is not a point", " X=1,5 Y=2", {{1, 2}}},
    {"blank before the point goes on", " X=5 .25 Y=1", {{5.25, 1}}},
    {"blank after the point goes on", " X=5. 25 Y=1", {{5.25, 1}}},
    {"many zeros after the point", " X=0.0000000000000000000000000007 Y=1", {{7e-28, 1}}},
    {"fifteen significant digits", " X=-123456789.012345 Y=1", {{-123456789.012345, 1}}},
    {"sixteen significant digits after the point",
     " X=0.1234567890123456 Y=1",
     {{0.1234567890123456, 1}}},
    {"minus alone", " X=- Y=-.", {{0, 0}}},
};

class EntryReading : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryReading, GivesThePairsOfTheLeadingNumberRule) {
    const EntryCase& c = GetParam();
    expectSame(readPairs(c.entry), referencePairs(c.entry));
    expectSame(readPairs(c.entry), c.pairs);
    EXPECT_EQ(readPoint(c.entry), referencePoint(c.entry));
    expectSameLastPair(c.entry);
}

INSTANTIATE_TEST_SUITE_P(Entries, EntryReading, testing::ValuesIn(kEntryCases), test::CaseName());

TEST(EntryText, ReadPointTakesTheFirstXAndTheFirstYEachOnItsOwn) {
    EXPECT_EQ(readPoint(" Y=2 X=1"), (Point{1, 2}));
    EXPECT_EQ(readPoint(" X=5"), (Point{5, 0}));
    EXPECT_EQ(readPoint(""), (Point{0, 0}));
}

TEST(EntryText, StoreEntriesOfRandomValuesReadBackAsTheReferenceDoes) {
    std::mt19937 random(42);
    std::uniform_real_distribution<double> value(-5000, 5000);
    for (int i = 0; i < 2000; ++i) {
        std::string entry;
        for (int pair = 0; pair < 5; ++pair) {
            entry += " X=" + formatPattern(value(random), "00.000", kCLocale);
            entry += " Y=" + formatPattern(value(random), "0.000", kCLocale);
        }
        SCOPED_TRACE(entry);
        expectSame(readPairs(entry), referencePairs(entry));
    }
}

TEST(EntryText, ArbitraryTextsReadBackAsTheReferenceDoes) {
    const std::string alphabet = "XY=.-+ 0123456789,\tRAB";
    std::mt19937 random(4711);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 60);
    for (int i = 0; i < 20000; ++i) {
        std::string entry;
        for (int n = length(random); n > 0; --n) {
            entry.push_back(alphabet[pick(random)]);
        }
        SCOPED_TRACE(entry);
        expectSame(readPairs(entry), referencePairs(entry));
        ASSERT_EQ(readPoint(entry), referencePoint(entry));
        expectSameLastPair(entry);
    }
}

}  // namespace
}  // namespace zrv
