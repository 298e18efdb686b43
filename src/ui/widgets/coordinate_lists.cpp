#include "ui/widgets/coordinate_lists.h"

#include <span>

#include "ui/widgets/list_lines.h"

namespace zrv {

namespace {

struct ListView {
    const char* heading;
    std::size_t lastIndex;
};

ListView viewOf(FigureList list) {
    switch (list) {
        case FigureList::Punkte:
            return {"Koordinaten Punkte", 1000};
        case FigureList::Linien:
            return {"Koordinaten Linien", 1000};
        case FigureList::Rechtecke:
            return {"Koordinaten Rechtecke", 1000};
        case FigureList::Polygone:
            return {"Koordinaten Polygone", 10000};
        case FigureList::Kreise:
            return {"Koordinaten Kreise", 1000};
        case FigureList::Fraesungen:
            break;
    }
    return {"Koordinaten Fräsungen", 1000};
}

}  // namespace

std::vector<std::string> coordinateListLines(const FigureStore& store, FigureList list) {
    const ListView view = viewOf(list);
    const std::vector<std::string>& entries = figureList(store, list);
    std::vector<std::string> lines{view.heading};
    for (std::size_t i = 0; i < entries.size() && i <= view.lastIndex; ++i) {
        if (entries[i].empty()) {
            break;
        }
        lines.push_back(entries[i]);
    }
    return lines;
}

void showCoordinateList(QListWidget* list1, const FigureStore& store, FigureList list) {
    const std::vector<std::string> lines = coordinateListLines(store, list);
    replaceListLines(list1, listLines(std::span<const std::string>(lines)));
}

}  // namespace zrv
