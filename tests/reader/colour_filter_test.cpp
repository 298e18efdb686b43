#include <gtest/gtest.h>

#include <string>

#include "reader/colour_filter.h"

namespace zrv {
namespace {

FigureFilter onlyBox(int FigureFilter::*box, int value = 1) {
    FigureFilter filter;
    filter.Check_FARBE_ROT = 0;
    filter.Check_FARBE_GRUEN = 0;
    filter.Check_FARBE_BLAU = 0;
    filter.Check_FARBE_GRAU = 0;
    filter.Check_FARBE_SCHWARZ = 0;
    filter.Check_FARBE_ALLE = 0;
    if (box != nullptr) {
        filter.*box = value;
    }
    return filter;
}

std::string recordWithColour(const char* rgb) {
    return std::string(7, '\0') + std::string(rgb, 3);
}

struct ColourCase {
    const char* name;
    const char* rgb;
    int FigureFilter::*acceptingBox;  // the one named box that takes it, besides ALLE
};

const ColourCase kColourCases[] = {
    {"red", "\xFF\x00\x00", &FigureFilter::Check_FARBE_ROT},
    {"green", "\x00\xFF\x00", &FigureFilter::Check_FARBE_GRUEN},
    {"blue", "\x00\x00\xFF", &FigureFilter::Check_FARBE_BLAU},
    {"grey", "\xC0\xC0\xC0", &FigureFilter::Check_FARBE_GRAU},
    {"black", "\x00\x00\x00", &FigureFilter::Check_FARBE_SCHWARZ},
    {"mid grey only with all", "\x80\x80\x80", nullptr},
    {"almost red only with all", "\xFE\x00\x00", nullptr},
};

TEST(ColourFilter, EachColourPassesItsOwnBoxAndAllOnly) {
    int FigureFilter::*const boxes[] = {
        &FigureFilter::Check_FARBE_ROT, &FigureFilter::Check_FARBE_GRUEN,
        &FigureFilter::Check_FARBE_BLAU, &FigureFilter::Check_FARBE_GRAU,
        &FigureFilter::Check_FARBE_SCHWARZ};
    for (const ColourCase& c : kColourCases) {
        SCOPED_TRACE(c.name);
        const std::string record = recordWithColour(c.rgb);
        EXPECT_FALSE(*FARBE_AKTIV(record, 7, onlyBox(nullptr)));
        EXPECT_TRUE(*FARBE_AKTIV(record, 7, onlyBox(&FigureFilter::Check_FARBE_ALLE)));
        for (auto box : boxes) {
            EXPECT_EQ(*FARBE_AKTIV(record, 7, onlyBox(box)), box == c.acceptingBox);
        }
    }
}

TEST(ColourFilter, ABoxCountsOnlyWhenItsValueIsExactlyOne) {
    const std::string red = recordWithColour("\xFF\x00\x00");
    EXPECT_FALSE(*FARBE_AKTIV(red, 7, onlyBox(&FigureFilter::Check_FARBE_ROT, 2)));
    EXPECT_FALSE(*FARBE_AKTIV(red, 7, onlyBox(&FigureFilter::Check_FARBE_ALLE, 2)));
    EXPECT_FALSE(*FARBE_AKTIV(red, 7, onlyBox(&FigureFilter::Check_FARBE_ROT, -1)));
}

TEST(ColourFilter, TheColourIsReadAtThePositionGiven) {
    const std::string point =
        std::string(15, '\0') + std::string("\x00\xFF\x00", 3) + std::string(14, '\0');
    EXPECT_TRUE(*FARBE_AKTIV(point, 15, onlyBox(&FigureFilter::Check_FARBE_GRUEN)));
    EXPECT_FALSE(*FARBE_AKTIV(point, 15, onlyBox(&FigureFilter::Check_FARBE_SCHWARZ)));
}

TEST(ColourFilter, ARecordEndingBeforeItsThirdColourByteHasNoAnswer) {
    FigureFilter all;
    EXPECT_FALSE(FARBE_AKTIV(std::string(9, '\0'), 7, all));
    EXPECT_FALSE(FARBE_AKTIV(std::string(7, '\0'), 7, all));
    EXPECT_TRUE(FARBE_AKTIV(std::string(10, '\0'), 7, all));
}

}  // namespace
}  // namespace zrv
