#pragma once

#include <QListWidget>
#include <string>
#include <vector>

#include "store/figure_store.h"

namespace zrv {

// The lines of one coordinate list of the developer menu: the heading, then the entries from
// index 0 on, ending at the first empty entry and after index 1000 (10000 for polygons).
std::vector<std::string> coordinateListLines(const FigureStore& store, FigureList list);

// Koordinaten_PUNKTE_Click and its five siblings: List1 shows the list instead of its lines.
void showCoordinateList(QListWidget* list1, const FigureStore& store, FigureList list);

}  // namespace zrv
