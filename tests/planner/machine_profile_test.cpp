#include "planner/machine_profile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zrv {
namespace {

// A controller's whole answer to "$$" as a terminal copies it, with the banner, messages and
// the "ok" around it; this one has its own rates, accelerations and junction deviation.
constexpr const char* kFullDump =
    "Grbl 1.1h ['$' for help]\r\n"
    "[MSG:'$H'|'$X' to unlock]\r\n"
    "$0=10\r\n$1=25\r\n$2=0\r\n$3=2\r\n$4=0\r\n$5=0\r\n$6=0\r\n$10=1\r\n"
    "$11=0.020\r\n$12=0.002\r\n$13=0\r\n$20=0\r\n$21=0\r\n$22=1\r\n$23=0\r\n"
    "$24=25.000\r\n$25=500.000\r\n$26=250\r\n$27=1.000\r\n$30=1000\r\n$31=0\r\n$32=0\r\n"
    "$100=800.000\r\n$101=800.000\r\n$102=800.000\r\n"
    "$110=2000.000 (x max rate, mm/min)\r\n$111=1800.000\r\n$112=500.000\r\n"
    "$120=100.000\r\n$121=90.000\r\n$122=50.000\r\n"
    "$130=300.000\r\n$131=180.000\r\n$132=45.000\r\n"
    "ok\r\n";

struct ProfileCase {
    const char* name;
    std::string text;
    MachineProfile profile;
    std::size_t problems;
};

TEST(ReadMachineProfile, TakesTheSevenValuesAndReportsBadOnes) {
    const MachineProfile factory;
    const std::vector<ProfileCase> cases = {
        {"full dump with extra lines", kFullDump, {{2000, 1800, 500}, {100, 90, 50}, 0.02}, 0},
        {"empty text keeps the factory profile", "", factory, 0},
        {"blanks around the sign and LF ends",
         " $110 = 1500 \n$122=12.5\n",
         {{1500, 1000, 600}, {30, 30, 12.5}, 0.01},
         0},
        {"not a number, zero and negative keep the defaults",
         "$110=abc\n$120=0\n$11=-0.01\n$121=45\n",
         {{1000, 1000, 600}, {30, 45, 30}, 0.01},
         3},
        {"a unit after the number is no value", "$112=500 mm/min\n", factory, 1},
        {"subnormal, too large and zero written out keep the defaults",
         "$110=0." + std::string(323, '0') + "5\n$122=0." + std::string(309, '0') + "1\n$11=1" +
             std::string(400, '0') + "\n$111=0.000\n$120=0." + std::string(307, '0') + "3\n",
         {{1000, 1000, 600}, {3e-308, 30, 30}, 0.01},
         4},
        {"unknown settings are ignored", "$130=300\n$999=1\n$110\nok\n", factory, 0},
    };
    for (const ProfileCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MachineProfileRead read = readMachineProfile(c.text);
        EXPECT_EQ(read.profile.maxRate, c.profile.maxRate);
        EXPECT_EQ(read.profile.acceleration, c.profile.acceleration);
        EXPECT_DOUBLE_EQ(read.profile.junctionDeviation, c.profile.junctionDeviation);
        EXPECT_EQ(read.problems.size(), c.problems);
    }
}

TEST(ReadMachineProfile, ProblemAndSummaryLinesInGerman) {
    EXPECT_EQ(readMachineProfile("$110=abc").problems,
              std::vector<std::string>{
                  "Maschine: \"$110=abc\" nicht übernommen (keine positive Zahl), es gilt 1000"});
    EXPECT_EQ(readMachineProfile("$120=0." + std::string(320, '0') + "1").problems.at(0),
              "Maschine: \"$120=0." + std::string(320, '0') +
                  "1\" nicht übernommen (zu klein), es gilt 30");
    EXPECT_EQ(machineProfileText(MachineProfile{}, kGermanLocale),
              "Maschine: max. 1000/1000/600 mm/min, Beschleunigung 30/30/30 mm/s², "
              "Abweichung 0,01 mm");
}

}  // namespace
}  // namespace zrv
