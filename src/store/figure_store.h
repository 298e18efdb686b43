#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace zrv {

// The circle constant as the program sets it at start: 4 x arctangent of 1.
inline const double PI = 4 * std::atan(1.0);

// Every list of the store holds at most this many entries (indices 0 to 30000).
inline constexpr std::size_t kListCapacity = 30001;

// The bounds of every stored vertex, corner and circle box corner. Before a load the maxima
// stand at -999999 and the minima at 999999.
struct Extents {
    double X_MIN = 999999;
    double X_MAX = -999999;
    double Y_MIN = 999999;
    double Y_MAX = -999999;

    // EXTREMWERTE: a value replaces an extreme only when it is strictly beyond it.
    void EXTREMWERTE(double x, double y);
};

// The one in-memory model of the loaded drawing. Each list holds entry texts of coordinate
// pairs " X=" value " Y=" value in millimetres with "." as decimal point; its count is its size.
struct FigureStore {
    std::vector<std::string> PUNKTE;      // drill holes
    std::vector<std::string> LINIEN;      // open polylines
    std::vector<std::string> RECHTECKE;   // rectangles as four segments
    std::vector<std::string> POLYGONE;    // closed polygons
    std::vector<std::string> KREISE;      // circles, ellipses and arcs by their parameters
    std::vector<std::string> FRAESUNGEN;  // milling paths
    Extents extents;

    // Empties every list and sets the extents to their start values.
    void reset();
};

// The six lists by kind, in the order of the store.
enum class FigureList { Punkte, Linien, Rechtecke, Polygone, Kreise, Fraesungen };
inline constexpr std::array kAllFigureLists{FigureList::Punkte,    FigureList::Linien,
                                            FigureList::Rechtecke, FigureList::Polygone,
                                            FigureList::Kreise,    FigureList::Fraesungen};

std::vector<std::string>& figureList(FigureStore& store, FigureList list);
const std::vector<std::string>& figureList(const FigureStore& store, FigureList list);

}  // namespace zrv
