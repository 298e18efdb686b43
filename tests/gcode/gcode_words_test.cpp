#include "gcode/gcode_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zrv {
namespace {

struct Word {
    char letter;
    std::string text;
    double value;
};

struct Row {
    const char* name;
    std::string line;
    std::vector<Word> words;
    std::string comment;
    std::string refusal;  // empty: GRBL takes the line
    bool system = false;
};

// GRBL keeps at most 79 characters of a line.
const std::string kDigits78(78, '1');

// Worked by hand from GRBL 1.1's documented line syntax and error codes.
TEST(GcodeWords, AsGrblReadsThem) {
    const std::vector<Row> rows = {
        {"the export's own line, glued words",
         "G01 F500X10.16 Y10.16 (Next)",
         {{'G', "G01", 1}, {'F', "F500", 500}, {'X', "X10.16", 10.16}, {'Y', "Y10.16", 10.16}},
         "(Next)",
         ""},
        {"signs and a leading point",
         "G1 X-1.5 Y+2 Z-.5 F5.",
         {{'G', "G1", 1},
          {'X', "X-1.5", -1.5},
          {'Y', "Y+2", 2},
          {'Z', "Z-.5", -0.5},
          {'F', "F5.", 5}},
         "",
         ""},
        {"lower case, blanks inside a word",
         "g1 x 1. 5\t",
         {{'G', "g1", 1}, {'X', "x 1. 5", 1.5}},
         "",
         ""},
        {"many digits", "X0.393700787", {{'X', "X0.393700787", 0.393700787}}, "", ""},
        {"semicolon comment takes the rest",
         "G0 Z5 ; lift (safe) X1",
         {{'G', "G0", 0}, {'Z', "Z5", 5}},
         "; lift (safe) X1",
         ""},
        {"words after a closed comment count",
         "(a) G0 X1",
         {{'G', "G0", 0}, {'X', "X1", 1}},
         "(a) G0 X1",
         ""},
        {"an open comment runs to the end", "X1 (open ; Y2", {{'X', "X1", 1}}, "(open ; Y2", ""},
        {"status query and block delete are not part of the line",
         "/G0 X1? (current status?)",
         {{'G', "G0", 0}, {'X', "X1", 1}},
         "(current status?)",
         ""},
        {"two G words of other groups",
         "G90 G1 X1",
         {{'G', "G90", 90}, {'G', "G1", 1}, {'X', "X1", 1}},
         "",
         ""},
        {"a long comment is no long line",
         "G0 X1 (" + std::string(200, '=') + ")",
         {{'G', "G0", 0}, {'X', "X1", 1}},
         "(" + std::string(200, '=') + ")",
         ""},
        {"a line for the controller",
         "$$ (view Grbl settings)",
         {},
         "(view Grbl settings)",
         "",
         true},
        {"empty", "", {}, "", ""},
        {"exponent",
         "G0 X1e3",
         {},
         "",
         "„X1“ mit Exponent: GRBL liest keine Zahl mit „E“ (error:20)"},
        {"letter without number", "G0 X", {}, "", "Auf „X“ folgt keine Zahl (error:2)"},
        {"sign and point without digit", "Y-.", {}, "", "Auf „Y“ folgt keine Zahl (error:2)"},
        {"second point", "X1.2.3", {}, "", "„.“ beginnt kein Wort (error:1)"},
        {"decimal comma", "X1,5", {}, "", "„,“ beginnt kein Wort (error:1)"},
        {"program mark", "%", {}, "", "„%“ beginnt kein Wort (error:1)"},
        {"letter GRBL does not know", "G0 A5", {}, "", "GRBL kennt kein Wort „A“ (error:20)"},
        {"axis twice", "G0 X1 x2", {}, "", "„X“ steht zweimal in der Zeile (error:25)"},
        {"negative feed", "G1 F-100 X1", {}, "", "„F-100“: F darf nicht negativ sein (error:4)"},
        {"the longest line",
         "X" + kDigits78,
         {{'X', "X" + kDigits78, std::stod(kDigits78)}},
         "",
         ""},
        {"one character too many",
         "X" + kDigits78 + "1",
         {},
         "",
         "Die Zeile hat mehr als 79 Zeichen ohne Leerzeichen und Kommentare (error:11)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const GcodeWords read = readGcodeWords(row.line);
        EXPECT_EQ(read.refusal, row.refusal);
        EXPECT_EQ(read.grblError != 0, !row.refusal.empty());
        EXPECT_EQ(read.comment, row.comment);
        EXPECT_EQ(read.system, row.system);
        ASSERT_EQ(read.words().size(), row.words.size());
        for (std::size_t k = 0; k < row.words.size(); ++k) {
            EXPECT_EQ(read.words()[k].letter, row.words[k].letter);
            EXPECT_EQ(read.words()[k].text, row.words[k].text);
            EXPECT_EQ(read.words()[k].value, row.words[k].value);
        }
    }
}

}  // namespace
}  // namespace zrv
