#include "store/figure_store.h"

namespace zrv {

void Extents::EXTREMWERTE(double x, double y) {
    if (x > X_MAX) {
        X_MAX = x;
    }
    if (x < X_MIN) {
        X_MIN = x;
    }
    if (y > Y_MAX) {
        Y_MAX = y;
    }
    if (y < Y_MIN) {
        Y_MIN = y;
    }
}

void FigureStore::reset() {
    for (FigureList list : kAllFigureLists) {
        figureList(*this, list).clear();
    }
    extents = Extents{};
}

std::vector<std::string>& figureList(FigureStore& store, FigureList list) {
    switch (list) {
        case FigureList::Punkte:
            return store.PUNKTE;
        case FigureList::Linien:
            return store.LINIEN;
        case FigureList::Rechtecke:
            return store.RECHTECKE;
        case FigureList::Polygone:
            return store.POLYGONE;
        case FigureList::Kreise:
            return store.KREISE;
        case FigureList::Fraesungen:
            break;
    }
    return store.FRAESUNGEN;
}

const std::vector<std::string>& figureList(const FigureStore& store, FigureList list) {
    return figureList(const_cast<FigureStore&>(store), list);
}

}  // namespace zrv
