#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "job/job_figures.h"

namespace zrv {
namespace {

struct EstimateCase {
    const char* name;
    std::size_t holes;
    double millingTravel;
    const char* depth;
    const char* plunge;
    const char* millingFeed;
    double drillMinutes;
    double millMinutes;
};

// Worked by hand: |depth| x holes / plunge feed, and milling travel / XY feed.
const EstimateCase kEstimates[] = {
    {"German texts", 4, 1234, "-1,5", "10", "300", 0.6, 1234.0 / 300},
    {"unreadable feeds count as 0.1", 2, 5, "-2", "0", "abc", 40, 50},
    {"nothing loaded", 0, 0, "-1,5", "10", "300", 0, 0},
};

TEST(EstimateTimes, FromTheTravelAndTheThreeParameterTextsThatCount) {
    for (const EstimateCase& c : kEstimates) {
        SCOPED_TRACE(c.name);
        ProgramState state;
        state.store.PUNKTE.assign(c.holes, " X=0000.000 Y=0000.000");
        if (c.millingTravel > 0) {
            state.store.FRAESUNGEN = {" X=00.000 Y=00.000 X=" + std::to_string(c.millingTravel) +
                                      " Y=00.000"};
        }
        Choices choices;
        Parameters& parameters = choices.parameters;
        for (std::string* other :
             {&parameters.Combo_BOHRUNG_VORSCHUB_XY, &parameters.Combo_BOHRUNG_VORSCHUB_Z_AUF,
              &parameters.Combo_FRAESUNG_VORSCHUB_Z_AB, &parameters.Combo_FRAESUNG_TIEFE}) {
            *other = "7";
        }
        parameters.Combo_BOHRUNG_TIEFE = c.depth;
        parameters.Combo_BOHRUNG_VORSCHUB_Z_AB = c.plunge;
        parameters.Combo_FRAESUNG_VORSCHUB_XY = c.millingFeed;
        const JobFigures figures = jobFigures(state, choices, kCLocale, Planning::Skip);
        EXPECT_DOUBLE_EQ(figures.FAHRWEG_FRAESUNGEN, c.millingTravel);
        EXPECT_DOUBLE_EQ(figures.ZEIT_BOHRUNGEN, c.drillMinutes);
        EXPECT_DOUBLE_EQ(figures.ZEIT_FRAESUNGEN, c.millMinutes);
    }
}

}  // namespace
}  // namespace zrv
