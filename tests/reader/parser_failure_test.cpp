#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "analyse_helper.h"
#include "support/drawing_builder.h"

namespace zrv {
namespace {

using test::analyse;
using test::DrawingBuilder;

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

TEST(AnalysisFailure, AValueFieldCutOffEndsTheAnalysisWithTheDecodingError) {
    const std::string whole =
        DrawingBuilder().point({1, 1}, test::kRot).point({2, 2}, test::kRot).bytes();
    const auto result = analyse(whole.substr(0, whole.size() - 2));
    EXPECT_EQ(result.status.error, "Error in: CALC_KOORDINATEN");
    EXPECT_EQ(result.store.PUNKTE.size(), 1u);
    EXPECT_FALSE(std::count(result.lines.begin(), result.lines.end(), "Analyse Linien"));
}

struct CutCase {
    const char* name;
    std::string bytes;
    const char* cause;
};

std::string withMarker(std::string_view marker, std::size_t length, std::size_t colourOffset) {
    std::string record(length, '\0');
    record.replace(0, marker.size(), marker);
    if (colourOffset + 3 <= length) {
        record.replace(colourOffset, 3, "\xC0\xC0\xC0");
    }
    return "\x07ZIRVA40" + record;
}

TEST(AnalysisFailure, ARecordCutOffBeforeItsColourOrCountNamesDrawingAndCause) {
    const std::string line(std::string("\x04\x00\x01", 3));
    const std::string polygon(std::string("\x05\x00\x01", 3));
    const std::string point(std::string("\x08\x01\x00\x02", 4));
    const CutCase cases[] = {
        {"line ends inside its colour", withMarker(line, 9, 7),
         "Linie an Position 9: der Datensatz endet vor seiner Farbe"},
        {"line ends before its count", withMarker(line, 24, 7),
         "Linie an Position 9: der Datensatz endet vor seiner Punktanzahl"},
        {"polygon ends before its count", withMarker(polygon, 20, 7),
         "Polygon an Position 9: der Datensatz endet vor seiner Punktanzahl"},
        {"point ends before its colour", withMarker(point, 12, 15),
         "Punkt an Position 9: der Datensatz endet vor seiner Farbe"},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = analyse(c.bytes);
        EXPECT_EQ(result.status.error,
                  "Die Zeichnung \"test.zrv\" wurde nicht vollständig gelesen: " +
                      std::string(c.cause) + ".");
    }
}

TEST(AnalysisFailure, ACountOf255NearTheEndIsADecodingError) {
    std::string bytes = withMarker(std::string("\x04\x00\x01", 3), 40, 7);
    bytes[8 + 24] = '\xFF';
    EXPECT_EQ(analyse(bytes).status.error, "Error in: CALC_KOORDINATEN");
}

TEST(AnalysisFailure, UnusableCalibrationIsReportedBeforeAnythingIsRead) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Calibration cases[] = {{0, 2.54},   {5, 0},   {-5, 2.54}, {5, -2.54},
                                 {nan, 2.54}, {5, inf}, {inf, 2.54}};
    const std::string bytes = DrawingBuilder().point({1, 1}, test::kRot).bytes();
    for (const Calibration& calibration : cases) {
        SCOPED_TRACE(calibration.STRECKE_ZIRVA_WERT);
        SCOPED_TRACE(calibration.STRECKE_ORIGINAL_WERT);
        const auto result = analyse(bytes, {}, calibration);
        EXPECT_TRUE(contains(result.status.error, "der Maßstab ist ungültig (Strecke-ZIRVA: "));
        EXPECT_TRUE(result.store.PUNKTE.empty());
        EXPECT_FALSE(std::count(result.lines.begin(), result.lines.end(), "Analyse Punkte"));
    }
}

TEST(AnalysisFailure, ACoordinateBeyondTheDoubleRangeIsNotWrittenAsText) {
    const Calibration huge{1e-300, 1.0};
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"point", DrawingBuilder().point({1e30f, 1}, test::kRot).bytes()},
        {"line", DrawingBuilder().line({{1, 1}, {1, -1e30f}}, test::kBlau).bytes()},
        {"circle", DrawingBuilder().circle({0, 0}, {1e30f, 1}, 0, 0, test::kGrau).bytes()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = analyse(c.bytes, {}, huge);
        EXPECT_TRUE(contains(result.status.error, "eine Koordinate ist für den Maßstab zu groß"));
        for (FigureList list : kAllFigureLists) {
            EXPECT_TRUE(figureList(result.store, list).empty());
        }
    }
}

TEST(AnalysisFailure, DerivedCircleValuesBeyondTheRangeAreCaughtToo) {
    // Both corners are finite, their distance is not.
    const Calibration scale{1.0, 1e270};
    const auto result = analyse(
        DrawingBuilder().circle({-3e38f, 0}, {3e38f, 1}, 0, 0, test::kGrau).bytes(), {}, scale);
    EXPECT_TRUE(contains(result.status.error, "Kreis an Position 9: eine Koordinate"));
}

TEST(AnalysisFailure, ArcAnglesFarOutsideAnyTurnAreDamagedData) {
    struct Case {
        const char* name;
        float a;
        float b;
        bool accepted;
    };
    const Case cases[] = {
        {"two turns back and forth", -6.3f, 6.3f, true},
        {"a thousand radians", 0, 1000, false},
        {"angles where 0.3 no longer counts", 1e20f, 1e20f, false},
        {"negative huge start", -1e9f, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result =
            analyse(DrawingBuilder().circle({0, 0}, {100, 100}, c.a, c.b, test::kGrau).bytes());
        EXPECT_EQ(result.status.ok(), c.accepted) << result.status.error;
        if (!c.accepted) {
            EXPECT_TRUE(
                contains(result.status.error, "die Winkel des Kreisbogens sind unbrauchbar"));
            EXPECT_TRUE(result.store.KREISE.empty());
        }
    }
}

TEST(Header, TheFirstByteAndTheTag) {
    struct Case {
        const char* name;
        std::string bytes;
        bool accepted;
        const char* version;
    };
    const Case cases[] = {
        {"older tag", "\x07ZIRVA40", true, "ZIRVA40"},
        {"a single byte 7", "\x07", true, ""},
        {"short tag", "\x07ZIR", true, "ZIR"},
        {"first byte 8", "\x08ZIRVA40", false, "???"},
        {"tag of Windows-1252 letters", "\x07Z\xC4RVA4\xDF", true, "ZÄRVA4ß"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::RecordingHost recorder;
        DrawingFile file;
        file.DATEI_INHALT = c.bytes;
        EXPECT_EQ(ANALYSE_HEADER(file, recorder.host), c.accepted);
        EXPECT_EQ(file.DATEI_VERSION, c.version);
        EXPECT_EQ(recorder.progress.messages.size(), c.accepted ? 0u : 1u);
        EXPECT_EQ(recorder.progress.versionCaption, c.accepted ? c.version : "");
    }
}

}  // namespace
}  // namespace zrv
