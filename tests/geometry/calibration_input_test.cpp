#include "geometry/calibration_input.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "reader/calibration.h"

namespace zrv {
namespace {

struct AnswerCase {
    const char* name;
    std::string answer;
    std::optional<double> value;
};

const std::vector<AnswerCase> kAnswers = {
    {"decimal comma", "2,54", 2.54},
    {"decimal point", "2.54", 2.54},
    {"with unit", "2,54 mm", 2.54},
    {"blanks first", "  5", 5.0},
    {"whole number", "5", 5.0},
    {"tiny but positive", "0,001", 0.001},
    {"cancelled", "", std::nullopt},
    {"zero", "0", std::nullopt},
    {"zero with decimals", "0,000", std::nullopt},
    {"negative", "-1", std::nullopt},
    {"letters only", "abc", std::nullopt},
    {"unit only", "mm", std::nullopt},
    {"too large for a double", std::string(400, '9'), std::nullopt},
};

TEST(DistanceAnswer, TakesOnlyFinitePositiveNumbers) {
    for (const AnswerCase& c : kAnswers) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(distanceAnswer(c.answer), c.value);
    }
}

TEST(ScalePresets, SetBothDistances) {
    Calibration calibration{7.0, 3.0};
    setScaleOneToOne(calibration);
    EXPECT_EQ(calibration.STRECKE_ZIRVA_WERT, 1.0);
    EXPECT_EQ(calibration.STRECKE_ORIGINAL_WERT, 1.0);
    EXPECT_DOUBLE_EQ(toMillimetres(254, calibration), 25.4);

    setScaleStandard(calibration);
    EXPECT_EQ(calibration.STRECKE_ZIRVA_WERT, 5.0);
    EXPECT_EQ(calibration.STRECKE_ORIGINAL_WERT, 2.54);
    EXPECT_EQ(calibration.STRECKE_ZIRVA_WERT, Calibration{}.STRECKE_ZIRVA_WERT);
    EXPECT_EQ(calibration.STRECKE_ORIGINAL_WERT, Calibration{}.STRECKE_ORIGINAL_WERT);
}

}  // namespace
}  // namespace zrv
