#include "load_job.h"

#include <algorithm>
#include <array>

#include "fuzz_checks.h"
#include "settings/factory_values.h"
#include "support/recording_host.h"

namespace zrv::fuzz {
namespace {

constexpr std::size_t kChoiceBytes = 5;

struct Scale {
    double zirva;
    double original;
};
// Standard, 1:1, the inverse, a large, a tiny and an overflowing scale, one that turns every
// value into 0 (ties everywhere), and one the analysis refuses.
constexpr std::array<Scale, 8> kScales{
    {{5, 2.54}, {1, 1}, {2.54, 5}, {1e-6, 1}, {1, 1e-6}, {1, 1e300}, {1e300, 1}, {0, 2.54}}};

constexpr std::array<std::string_view, 8> kForeignLevels{"8-Stufe", "",    "abc",      "-1-Stufe",
                                                         "3",       "7,9", " 2-Stufe", "1e400"};

constexpr std::array<std::string_view, 4> kHeaders{"", "\x07ZIRVA40", "\x07ZIRVA70", "\x07zirva70"};

std::string levelText(unsigned nibble, const std::vector<std::string>& levels) {
    return nibble < levels.size() ? levels[nibble] : std::string(kForeignLevels[nibble - 8]);
}

struct TypedParameters {
    std::string_view feeds, heights, depths, speeds;
    bool safe;
};

// The parameter texts: factory values (0), the standard buttons (6), or typed as a user might.
// True when a machine running the program stays safe (positive heights, negative depths).
bool chooseParameters(unsigned variant, NumberLocale locale, Parameters& p) {
    p = factoryParameters(locale);
    if (variant == 6) {
        Command_BOHRUNG_STANDARD(p, locale);
        Command_FRAESUNG_STANDARD(p, locale);
        return true;
    }
    const std::string huge = "1" + std::string(400, '0');
    const TypedParameters typed[8] = {
        {},
        {"0", "1", "-1", "1000", true},
        {"abc", " ", "--5", "1,2,3", false},
        {huge, "999999999999999999999", "-1e5", "1E+20", false},
        {"-100", "-2", "1,5", "-1000", false},
        {"0,000001", "0.0000001", "-0,0000001", "0,5", true},
        {},
        {"1.000,5", "1,000.5", "-0,1 mm", "1 000", false},
    };
    const TypedParameters& t = typed[variant & 7u];
    if (t.feeds.empty()) {
        return true;
    }
    for (std::string* feed : {&p.Combo_BOHRUNG_VORSCHUB_XY, &p.Combo_BOHRUNG_VORSCHUB_Z_AUF,
                              &p.Combo_BOHRUNG_VORSCHUB_Z_AB, &p.Combo_FRAESUNG_VORSCHUB_XY,
                              &p.Combo_FRAESUNG_VORSCHUB_Z_AUF, &p.Combo_FRAESUNG_VORSCHUB_Z_AB}) {
        *feed = t.feeds;
    }
    p.Combo_BOHRUNG_HOEHE = p.Combo_FRAESUNG_HOEHE = t.heights;
    p.Combo_BOHRUNG_TIEFE = p.Combo_FRAESUNG_TIEFE = t.depths;
    p.Combo_BOHRUNG_SPINDLE_SPEED = p.Combo_FRAESUNG_SPINDLE_SPEED = t.speeds;
    return t.safe;
}

}  // namespace

Job readJob(Bytes data, RoutePass routePass) {
    std::array<std::uint8_t, kChoiceBytes> c{};
    std::copy_n(data.begin(), std::min(data.size(), c.size()), c.begin());
    const Bytes rest = data.subspan(std::min(data.size(), c.size()));
    Job job;
    job.locale = (c[1] & 0x40) != 0 ? kGermanLocale : kCLocale;
    job.choices = factoryChoices(job.locale);
    FigureFilter& f = job.choices.filter;
    const int enabled = (c[0] & 0x20) != 0 ? 2 : 1;
    int* kinds[] = {&f.Check_ENABLED_BOHRUNGEN, &f.Check_ENABLED_LINIEN, &f.Check_ENABLED_RECHTECKE,
                    &f.Check_ENABLED_POLYGONE, &f.Check_ENABLED_KREISE};
    for (unsigned k = 0; k < 5; ++k) {
        *kinds[k] = (c[0] >> k & 1) != 0 ? enabled : 0;
    }
    job.choices.prepare.Check_BUENDIG = c[0] >> 6 & 1;
    job.choices.prepare.Check_SPIEGELN_HORIZONTAL = c[0] >> 7 & 1;
    const int colourOn = (c[1] & 0x80) != 0 ? 2 : 1;
    int* colours[] = {&f.Check_FARBE_ROT,  &f.Check_FARBE_GRUEN,   &f.Check_FARBE_BLAU,
                      &f.Check_FARBE_GRAU, &f.Check_FARBE_SCHWARZ, &f.Check_FARBE_ALLE};
    for (unsigned k = 0; k < 6; ++k) {
        *colours[k] = (c[1] >> k & 1) != 0 ? colourOn : 0;
    }
    const std::vector<std::string> levels = choiceLists(job.locale).levels;
    job.choices.prepare.Combo_BOHRUNGEN_OPTIMIEREN = levelText(c[2] & 0xFu, levels);
    job.choices.prepare.Combo_FRAESUNGEN_OPTIMIEREN = levelText(c[2] >> 4u, levels);
    const Scale scale = kScales[c[3] & 7u];
    job.choices.calibration = {scale.zirva, scale.original};
    job.safeParameters = chooseParameters(c[3] >> 5u, job.locale, job.choices.parameters);
    ExportChoices& e = job.choices.exports;
    e.Check_EXPORT_BOHRUNG = c[4] & 1;
    e.Check_EXPORT_FRAESUNG = c[4] >> 1 & 1;
    e.Check_EXPORT_VORSCHAU = (c[4] >> 2 & 1) + 1;  // 2 counts as off
    e.Check_EXPORT_GRBL_INFO = c[4] >> 3 & 1;
    job.dump = (c[4] & 0x10) != 0;
    const bool chosen = routePass == RoutePass::AsChosen;
    job.choices.prepare.Check_BOHRUNGEN_WEG_VERBESSERN = chosen && (c[4] >> 5 & 1) != 0;
    job.choices.prepare.Check_FRAESUNGEN_WEG_VERBESSERN = chosen && (c[4] >> 6 & 1) != 0;
    job.choices.view.Check_Y_NACH_OBEN = c[4] >> 7 & 1;
    job.drawing = std::string(kHeaders[c[3] >> 3 & 3u]) + std::string(rest.begin(), rest.end());
    return job;
}

Analysed analyse(const std::string& drawing, const Choices& choices, NumberLocale locale) {
    Analysed a;
    a.state.file.DATEI_NAME = (scratch() / "fuzz.zrv").string();
    a.state.file.DATEI_BASIS = (scratch() / "fuzz").string();
    a.state.file.DATEI_INHALT = drawing;
    test::RecordingHost recorder(locale);
    a.result = ANALYSE_DATEI(a.state, choices, recorder.host);
    a.messages = std::move(recorder.progress.messages);
    return a;
}

}  // namespace zrv::fuzz
