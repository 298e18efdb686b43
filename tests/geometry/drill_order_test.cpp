#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geometry/optimise.h"
#include "support/recording_host.h"

namespace zrv {
namespace {

std::string hole(const char* x, const char* y) {
    return std::string(" X=") + x + " Y=" + y;
}

struct DrillCase {
    const char* name;
    const char* level;
    std::vector<std::string> holes;
    std::vector<std::string> ordered;
};

const std::vector<DrillCase> kDrillCases = {
    {"nearest first, then the later of two equal ones",
     "1-Standard",
     {hole("0010.000", "0000.000"), hole("0000.000", "0010.000"), hole("0005.000", "0005.000")},
     {hole("0005.000", "0005.000"), hole("0010.000", "0000.000"), hole("0000.000", "0010.000")}},
    {"equal distance from the start: the higher index first",
     "1-Standard",
     {hole("0003.000", "0004.000"), hole("0004.000", "0003.000")},
     {hole("0004.000", "0003.000"), hole("0003.000", "0004.000")}},
    {"level 2 weighs Y: the farther hole in mm comes first",
     "2-Stufe",
     {hole("0000.000", "0002.000"), hole("0003.000", "0000.000")},
     {hole("0003.000", "0000.000"), hole("0000.000", "0002.000")}},
    {"level 3 weighs X",
     "3-Stufe",
     {hole("0000.000", "0002.000"), hole("0003.000", "0000.000")},
     {hole("0000.000", "0002.000"), hole("0003.000", "0000.000")}},
    {"a row before the next row at level 6",
     "6-Stufe",
     {hole("0000.000", "0002.000"), hole("0009.000", "0000.000"), hole("0001.000", "0000.000"),
      hole("0005.000", "0002.000")},
     {hole("0001.000", "0000.000"), hole("0009.000", "0000.000"), hole("0005.000", "0002.000"),
      hole("0000.000", "0002.000")}},
    {"repeated holes: the later copy first",
     "1-Standard",
     {" X=0001.000 Y=0001.000 A", " X=0001.000 Y=0001.000 B", " X=0001.000 Y=0001.000 C"},
     {" X=0001.000 Y=0001.000 C", " X=0001.000 Y=0001.000 A", " X=0001.000 Y=0001.000 B"}},
    {"negative coordinates count by their distance",
     "1-Standard",
     {hole("-0002.000", "0000.000"), hole("0001.000", "0001.000")},
     {hole("0001.000", "0001.000"), hole("-0002.000", "0000.000")}},
};

TEST(DrillOrder, WorkedCases) {
    for (const DrillCase& c : kDrillCases) {
        SCOPED_TRACE(c.name);
        test::RecordingHost recording;
        std::vector<std::string> holes = c.holes;
        BOHRUNGEN_OPTIMIEREN(holes, c.level, recording.host);
        EXPECT_EQ(holes, c.ordered);
    }
}

TEST(DrillOrder, StatusLinesOfARun) {
    test::RecordingHost recording(kGermanLocale);
    std::vector<std::string> holes = {hole("0001.000", "0001.000")};
    BOHRUNGEN_OPTIMIEREN(holes, "1-Standard", recording.host);
    EXPECT_EQ(holes, (std::vector<std::string>{hole("0001.000", "0001.000")}));
    EXPECT_EQ(recording.progress.lines,
              (std::vector<std::string>{"", "Bohrungen (Punkte) optimieren...", "0,000s"}));
    EXPECT_EQ(recording.progress.titles, (std::vector<std::string>{"0%"}));
    EXPECT_EQ(recording.progress.drillTravelLabel, "?");
    // after the start lines, twice around the title, after the time line
    EXPECT_EQ(recording.progress.eventPasses, 4);
}

TEST(DrillOrder, NoRunShowsOnlyTheQuestionMark) {
    const std::vector<std::string> holes = {hole("0009.000", "0009.000"),
                                            hole("0001.000", "0001.000")};
    struct NoRun {
        const char* name;
        std::vector<std::string> holes;
        const char* level;
    };
    for (const NoRun& c : std::vector<NoRun>{{"level 0", holes, "0-keine"},
                                             {"foreign level 8", holes, "8-Stufe"},
                                             {"empty level text", holes, ""},
                                             {"level 1.5", holes, "1.5"},
                                             {"no holes", {}, "1-Standard"}}) {
        SCOPED_TRACE(c.name);
        test::RecordingHost recording;
        std::vector<std::string> list = c.holes;
        BOHRUNGEN_OPTIMIEREN(list, c.level, recording.host);
        EXPECT_EQ(list, c.holes);
        EXPECT_EQ(recording.progress.drillTravelLabel, "?");
        EXPECT_TRUE(recording.progress.lines.empty());
        EXPECT_TRUE(recording.progress.titles.empty());
    }
}

// The title follows the clock's whole seconds, starting with 0%; after each change the clock is
// read once more to remember its second.
TEST(DrillOrder, TitleOncePerClockSecond) {
    test::RecordingProgress progress;
    test::SteppingClock clock(100.25, 0.5);
    Host host{progress, clock, kCLocale};
    std::vector<std::string> holes;
    for (int k = 0; k < 10; ++k) {
        holes.push_back(hole(std::to_string(k).c_str(), "0"));
    }
    BOHRUNGEN_OPTIMIEREN(holes, "1-Standard", host);
    // readings 0.5 s apart: the start at 100.25; hole 0 at 100.75 shows 0% and remembers 101.25;
    // hole 1 at 101.75 stays; from hole 2 on each hole reads a new second and shows its share
    EXPECT_EQ(progress.titles, (std::vector<std::string>{"0%", "20%", "30%", "40%", "50%", "60%",
                                                         "70%", "80%", "90%"}));
    EXPECT_EQ(progress.lines.back(), "10.000s");
}

// Event passes that take their time: the second remembered is the one after them, so a slow
// pass cannot bring the next title change closer.
TEST(DrillOrder, TitleSecondTakenAfterTheEventPasses) {
    test::FixedClock clock;
    clock.seconds = 0;
    test::RecordingProgress progress;
    progress.onEvents = [&clock] { clock.seconds += 0.6; };
    Host host{progress, clock, kCLocale};
    std::vector<std::string> holes;
    for (int k = 0; k < 6; ++k) {
        holes.push_back(hole(std::to_string(k).c_str(), "0"));
    }
    BOHRUNGEN_OPTIMIEREN(holes, "1-Standard", host);
    // hole 0 reads 0.6 s and shows 0%; the passes around the title end at 1.8 s, and no later
    // hole reads another second
    EXPECT_EQ(progress.titles, (std::vector<std::string>{"0%"}));
}

TEST(DrillOrder, ElapsedTimeAcrossMidnight) {
    test::RecordingProgress progress;
    test::SteppingClock clock(86399.5, 0.25);
    Host host{progress, clock, kGermanLocale};
    std::vector<std::string> holes = {hole("1", "1")};
    BOHRUNGEN_OPTIMIEREN(holes, "1-Standard", host);
    // start 86399.5; the hole and the title's second take two readings; the end reads 0.25
    EXPECT_EQ(progress.lines.back(), "0,750s");
}

// A reload during the event passes replaces the list; the old run must not write over it.
TEST(DrillOrder, ListReplacedDuringEventsStays) {
    std::vector<std::string> holes = {hole("0009.000", "0000.000"), hole("0001.000", "0000.000")};
    test::RecordingHost recording(kCLocale);
    recording.progress.onEvents = [&] {
        if (recording.progress.eventPasses == 2) {
            holes = {hole("0007.000", "0007.000")};
        }
    };
    BOHRUNGEN_OPTIMIEREN(holes, "1-Standard", recording.host);
    EXPECT_EQ(holes, (std::vector<std::string>{hole("0007.000", "0007.000")}));
}

}  // namespace
}  // namespace zrv
