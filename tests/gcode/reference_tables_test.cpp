#include "gcode/reference_tables.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <string>

namespace zrv {
namespace {

// The number right after the command letter, -1 when there is none.
int commandNumber(std::string_view line) {
    std::size_t end = 1;
    while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end])) != 0) {
        ++end;
    }
    return end == 1 ? -1 : std::atoi(std::string(line.substr(1, end - 1)).c_str());
}

TEST(GcodeReference, ThreeSectionsPartedByTheOnlyTwoEmptyLines) {
    const auto lines = gcodeReferenceLines();
    ASSERT_EQ(lines.size(), 155u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].empty(), i == 101 || i == 125) << "line " << i + 1;
    }
    EXPECT_EQ(lines[0], "G-Befehle (Wegfunktionen)");
    EXPECT_EQ(lines[102], "M-Befehle (Schaltfunktionen):");
    EXPECT_EQ(lines[126], "Überblick über alle Adressbefehle:");
    EXPECT_EQ(lines[154], "$-Satzende");
}

// G10.1 follows G10 and there is no G12: the numbers never fall, from G0 to G99.
TEST(GcodeReference, GCommandsAscendFromG0ToG99) {
    const auto lines = gcodeReferenceLines();
    int previous = 0;
    for (std::size_t i = 1; i <= 100; ++i) {
        SCOPED_TRACE(std::string(lines[i]));
        EXPECT_EQ(lines[i][0], 'G');
        EXPECT_GE(commandNumber(lines[i]), previous);
        previous = commandNumber(lines[i]);
    }
    EXPECT_EQ(commandNumber(lines[1]), 0);
    EXPECT_EQ(previous, 99);
    EXPECT_EQ(lines[12], "G10.1 PMC Dateneinstellung");
    EXPECT_EQ(lines[73], "G72 ") << "the blank after the number is part of the line";
}

TEST(GcodeReference, MCommandsAscendAndAddressLettersRunFromAToZ) {
    const auto lines = gcodeReferenceLines();
    int previous = -1;
    for (std::size_t i = 104; i <= 124; ++i) {
        SCOPED_TRACE(std::string(lines[i]));
        EXPECT_EQ(lines[i][0], 'M');
        EXPECT_GT(commandNumber(lines[i]), previous);
        previous = commandNumber(lines[i]);
    }
    EXPECT_EQ(lines[121], "M40 – M45: Getriebestufen Wahl");
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string_view line = lines[128 + static_cast<std::size_t>(letter - 'A')];
        EXPECT_TRUE(line.starts_with(std::string{letter, '-'})) << line;
    }
}

// Each time is the distance of the line above it at that feed: seconds = mm / (mm/min) x 60.
TEST(MachineData, TimesMatchTheirDistanceAndFeed) {
    const auto lines = machineDataLines();
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[0], "1 Umdrehung = 4mm");
    int empty = 0;
    int timed = 0;
    double distance = 0;
    for (std::string_view line : lines.subspan(1)) {
        SCOPED_TRACE(std::string(line));
        if (line.empty()) {
            ++empty;
        } else if (line.starts_with("Vorschub")) {
            const std::string text(line);
            const double feed = std::strtod(text.c_str() + 8, nullptr);
            const double seconds = std::strtod(text.c_str() + text.find('=') + 1, nullptr);
            EXPECT_NEAR(seconds, distance / feed * 60, 1e-9);
            EXPECT_EQ(line.back(), 's');
            ++timed;
        } else {
            distance = std::strtod(std::string(line).c_str(), nullptr);
            EXPECT_TRUE(line.ends_with("mm"));
        }
    }
    EXPECT_EQ(empty, 3);
    EXPECT_EQ(timed, 16);
    EXPECT_EQ(lines[22], "Vorschub 1000: =   6s");
}

// The expected texts come from whole tenths of a millimetre, with the inches rounded half up
// to thousandths in integers.
std::string expectedInchLine(int tenths, char decimal) {
    const int thousandths = (tenths * 2000 + 254) / (2 * 254);
    std::string inches = std::to_string(thousandths / 1000) + decimal;
    const std::string fraction = std::to_string(1000 + thousandths % 1000).substr(1);
    return inches + fraction + " ''   =" + std::to_string(tenths / 10) + decimal +
           std::to_string(tenths % 10) + "mm";
}

TEST(InchTable, FortySixLinesFromHalfAMillimetreToFive) {
    const struct {
        const char* name;
        NumberLocale locale;
    } cases[] = {{"German", kGermanLocale}, {"C", kCLocale}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> lines = inchTableLines(c.locale);
        ASSERT_EQ(lines.size(), 46u);
        for (int i = 0; i < 46; ++i) {
            EXPECT_EQ(lines[static_cast<std::size_t>(i)],
                      expectedInchLine(5 + i, c.locale.decimal));
        }
    }
    EXPECT_EQ(inchTableLines(kGermanLocale).front(), "0,020 ''   =0,5mm");
    EXPECT_EQ(inchTableLines(kGermanLocale).back(), "0,197 ''   =5,0mm");
}

}  // namespace
}  // namespace zrv
