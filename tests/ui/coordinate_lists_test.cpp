#include <gtest/gtest.h>

#include "ui/widgets/coordinate_lists.h"

namespace zrv {
namespace {

using Lines = std::vector<std::string>;

TEST(CoordinateListLines, StopsAtTheFirstEmptyEntry) {
    FigureStore store;
    store.KREISE = {" X=1 Y=2 R=3 A=0 B=0 V=1", "", " X=4 Y=5 R=1 A=0 B=0 V=1"};
    store.FRAESUNGEN = {"", " X=1 Y=1 X=2 Y=2"};
    EXPECT_EQ(coordinateListLines(store, FigureList::Kreise),
              (Lines{"Koordinaten Kreise", " X=1 Y=2 R=3 A=0 B=0 V=1"}));
    EXPECT_EQ(coordinateListLines(store, FigureList::Fraesungen), Lines{"Koordinaten Fräsungen"});
}

TEST(CoordinateListLines, PolygonsAreCutAfterIndex10000) {
    FigureStore store;
    store.POLYGONE.assign(12000, " X=1 Y=1");
    store.RECHTECKE.assign(1001, " X=2 Y=2");
    EXPECT_EQ(coordinateListLines(store, FigureList::Polygone).size(), 1u + 10001u);
    EXPECT_EQ(coordinateListLines(store, FigureList::Rechtecke).size(), 1u + 1001u)
        << "index 1000 is the last one shown";
}

}  // namespace
}  // namespace zrv
