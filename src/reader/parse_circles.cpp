#include <cmath>

#include "reader/record_values.h"
#include "store/entry_format.h"
#include "text/number_scan.h"

namespace zrv {

namespace {

// Where the layouts keep a circle's values; the older one has no centre.
struct CircleOffsets {
    std::size_t x1, y1, x2, y2, a, b;
};
constexpr CircleOffsets kOlderOffsets{24, 28, 32, 36, 40, 44};
constexpr CircleOffsets kZirva70Offsets{156, 96, 276, 224, 292, 296};
constexpr std::size_t kZirva70CentreX = 284;
constexpr std::size_t kZirva70CentreY = 288;

constexpr double kArcStep = 0.3;
// A full turn takes 21 loop points; an arc that needs more than this many is damaged data
// (angles far outside any turn) and would otherwise grow without bound.
constexpr std::size_t kMostArcPoints = 100;

struct Circle {
    double centreX = 0;
    double centreY = 0;
    double radius = 0;
    double a = 0;      // start angle
    double b = 0;      // end angle
    double ratio = 0;  // V = RY / RX
};

Circle readCircle(const RecordValues& values, bool zirva70, Extents& extents) {
    const CircleOffsets& at = zirva70 ? kZirva70Offsets : kOlderOffsets;
    const double x1 = values.coordinate(at.x1);
    const double y1 = values.coordinate(at.y1);
    const double x2 = values.coordinate(at.x2);
    const double y2 = values.coordinate(at.y2);
    Circle circle;
    if (zirva70) {
        circle.centreX = values.coordinate(kZirva70CentreX);
        circle.centreY = values.coordinate(kZirva70CentreY);
    }
    circle.a = values.angle(at.a);
    circle.b = values.angle(at.b);
    extents.EXTREMWERTE(x1, y1);
    extents.EXTREMWERTE(x2, y2);
    const double rx = values.finite((x2 - x1) / 2);
    const double ry = values.finite((y2 - y1) / 2);
    if (!zirva70) {
        circle.centreX = values.finite((x2 + x1) / 2);
        circle.centreY = values.finite((y2 + y1) / 2);
    }
    circle.radius = rx > ry ? rx : ry;
    // A box of no width has no axis ratio; 0 keeps the entry readable.
    circle.ratio = zirva70 && rx != 0 ? values.finite(ry / rx) : 0;
    return circle;
}

std::string kreisEntry(const Circle& circle, NumberLocale locale) {
    std::string entry;
    appendValue(entry, 'X', circle.centreX, kKreisPattern, locale);
    appendValue(entry, 'Y', circle.centreY, kKreisPattern, locale);
    appendValue(entry, 'R', circle.radius, kKreisPattern, locale);
    appendValue(entry, 'A', circle.a, kKreisPattern, locale);
    appendValue(entry, 'B', circle.b, kKreisPattern, locale);
    appendValue(entry, 'V', circle.ratio, kKreisPattern, locale);
    return KOMMA_PUNKT(std::move(entry));
}

void appendArcPoint(std::string& path, const RecordValues& values, const Circle& circle, double t,
                    NumberLocale locale) {
    const double x = values.finite(circle.centreX + circle.radius * std::sin(t));
    const double y = values.finite(circle.centreY + circle.radius * std::cos(t));
    appendPair(path, x, y, kKreisPattern, locale);
}

// The milling path along the arc on the circle of radius R (an ellipse is milled as this
// circle): t from A + PI/2 in steps of 0.3 while it does not pass B + PI/2, then the end point.
std::string arcPath(const RecordValues& values, const Circle& circle, NumberLocale locale) {
    const double a = circle.a + PI / 2;
    double b = circle.b + PI / 2;
    if (!(a < b)) {
        b = b + 2 * PI;
    }
    std::string path;
    std::size_t points = 0;
    for (double t = a; t <= b; t = t + kArcStep) {
        if (++points > kMostArcPoints) {
            values.fail("die Winkel des Kreisbogens sind unbrauchbar");
        }
        appendArcPoint(path, values, circle, t, locale);
    }
    appendArcPoint(path, values, circle, b, locale);
    return KOMMA_PUNKT(std::move(path));
}

}  // namespace

Status ANALYSE_KREISE(const AnalysisInput& input, FigureStore& store, Host& host) {
    const bool zirva70 = input.DATEI_VERSION == "ZIRVA70";
    return parseRecords(input, kKreisRecord, store.KREISE, input.filter.Check_ENABLED_KREISE,
                        "Analyse Kreise", host, [&](const RecordValues& values) {
                            const Circle circle = readCircle(values, zirva70, store.extents);
                            std::string path = arcPath(values, circle, host.locale);
                            requireRoom(input, store.KREISE, "KREISE");
                            store.KREISE.push_back(kreisEntry(circle, host.locale));
                            requireRoom(input, store.FRAESUNGEN, "FRÄSUNGEN");
                            store.FRAESUNGEN.push_back(std::move(path));
                            return true;
                        });
}

}  // namespace zrv
