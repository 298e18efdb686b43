#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <regex>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "fuzz_checks.h"
#include "fuzz_targets.h"
#include "gcode/gcode_reading.h"
#include "job/dump.h"
#include "job/export.h"
#include "job/job_figures.h"
#include "job/load.h"
#include "job/report.h"
#include "preview/picture.h"
#include "preview/scene_index.h"
#include "settings/factory_values.h"
#include "store/entry_text.h"
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

void setAll(Parameters& p, std::string_view feeds, std::string_view heights,
            std::string_view depths, std::string_view speeds) {
    for (std::string* feed : {&p.Combo_BOHRUNG_VORSCHUB_XY, &p.Combo_BOHRUNG_VORSCHUB_Z_AUF,
                              &p.Combo_BOHRUNG_VORSCHUB_Z_AB, &p.Combo_FRAESUNG_VORSCHUB_XY,
                              &p.Combo_FRAESUNG_VORSCHUB_Z_AUF, &p.Combo_FRAESUNG_VORSCHUB_Z_AB}) {
        *feed = feeds;
    }
    p.Combo_BOHRUNG_HOEHE = p.Combo_FRAESUNG_HOEHE = heights;
    p.Combo_BOHRUNG_TIEFE = p.Combo_FRAESUNG_TIEFE = depths;
    p.Combo_BOHRUNG_SPINDLE_SPEED = p.Combo_FRAESUNG_SPINDLE_SPEED = speeds;
}

// The parameter texts: factory values, the standard buttons, or what a user might type.
// True when a machine running the program stays safe (positive heights, negative depths).
bool chooseParameters(unsigned variant, NumberLocale locale, Parameters& p) {
    p = factoryParameters(locale);
    switch (variant) {
        case 1:
            setAll(p, "0", "1", "-1", "1000");
            return true;
        case 2:
            setAll(p, "abc", " ", "--5", "1,2,3");
            return false;
        case 3:
            setAll(p, "1" + std::string(400, '0'), "999999999999999999999", "-1e5", "1E+20");
            return false;
        case 4:
            setAll(p, "-100", "-2", "1,5", "-1000");
            return false;
        case 5:
            setAll(p, "0,000001", "0.0000001", "-0,0000001", "0,5");
            return true;
        case 6:
            Command_BOHRUNG_STANDARD(p, locale);
            Command_FRAESUNG_STANDARD(p, locale);
            return true;
        case 7:
            setAll(p, "1.000,5", "1,000.5", "-0,1 mm", "1 000");
            return false;
        default:
            return true;
    }
}

struct Job {
    Choices choices;
    NumberLocale locale;
    bool safeParameters = true;
    bool dump = false;
    bool picture = false;  // the preview written as PNG and SVG
    std::string drawing;
};

Job readJob(Bytes data) {
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
    job.choices.prepare.Check_BOHRUNGEN_WEG_VERBESSERN = c[4] >> 5 & 1;
    job.choices.prepare.Check_FRAESUNGEN_WEG_VERBESSERN = c[4] >> 6 & 1;
    job.choices.view.Check_Y_NACH_OBEN = c[4] >> 7 & 1;
    job.picture = job.dump;  // no spare bit left: pictures ride with the dumps
    job.drawing = std::string(kHeaders[c[3] >> 3 & 3u]) + std::string(rest.begin(), rest.end());
    return job;
}

struct Analysed {
    ProgramState state;
    LoadResult result;
    std::vector<std::string> messages;
};

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

std::string checkStore(const Analysed& a) {
    const FigureStore& store = a.state.store;
    if (store.PUNKTE.size() >= kListCapacity) {
        return "PUNKTE holds the slot the point scan must leave";
    }
    for (FigureList list : kAllFigureLists) {
        if (figureList(store, list).size() > kListCapacity) {
            return "a list beyond its capacity";
        }
        for (const std::string& entry : figureList(store, list)) {
            if (entry.find_first_not_of(" XYRABV=.-0123456789") != std::string::npos ||
                readPairs(entry).empty()) {
                return "entry outside the store's grammar: " + entry.substr(0, 200);
            }
        }
    }
    if (a.result.outcome == LoadOutcome::AnalysisFailed &&
        (a.result.message.empty() || a.messages.empty() || a.messages.back() != a.result.message)) {
        return "an analysis failure without its message";
    }
    return {};
}

// The drill order is a reordering of the holes as read.
std::string checkDrillOrder(const Analysed& ordered, const Job& job) {
    if (ordered.result.outcome != LoadOutcome::Loaded) {
        return {};
    }
    Choices plain = job.choices;
    plain.prepare.Combo_BOHRUNGEN_OPTIMIEREN = "0-keine";
    const Analysed unordered = analyse(job.drawing, plain, job.locale);
    std::vector<std::string> a = ordered.state.store.PUNKTE;
    std::vector<std::string> b = unordered.state.store.PUNKTE;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b ? std::string{} : "the drill order lost or added holes";
}

// Travel sums are lengths; a time may be negative only with a negative feed typed.
std::string checkTravel(const JobFigures& figures) {
    for (double v : {figures.FAHRWEG_BOHRUNGEN, figures.FAHRWEG_FRAESUNGEN}) {
        if (!(v >= 0)) {
            return "a travel sum is " + std::to_string(v);
        }
    }
    return {};
}

// "inf" or "nan" as a word of its own: what a number that is not finite would print.
bool holdsNonFinite(const std::vector<std::string>& lines) {
    const std::regex word("(^|[^A-Za-z])-?(inf|nan)([^A-Za-z]|$)");
    return std::any_of(lines.begin(), lines.end(),
                       [&word](const std::string& line) { return std::regex_search(line, word); });
}

std::string checkProgram(const std::filesystem::path& path, const Job& job) {
    const TextLines file = readTextFile(path);
    if (!file.status.ok()) {
        return "the written program cannot be read: " + file.status.error;
    }
    if (holdsNonFinite(file.lines)) {
        return "the program holds inf or nan";
    }
    const test::WordCheck words = test::checkWords(file.lines);
    if (!words.errors.empty()) {
        return "G-code: " + words.errors.front();
    }
    if (!job.safeParameters) {
        return {};
    }
    const test::MachineRun run = test::runProgram(file.lines);
    if (!run.violations.empty()) {
        return "machine run: " + run.violations.front();
    }
    return run.ended ? std::string{} : "the program does not end with M30";
}

std::string checkWrites(ProgramState& state, const Job& job) {
    const std::filesystem::path nc = scratch() / "fuzz.nc";
    const std::filesystem::path table = scratch() / "fuzz_EXPORT.txt";
    std::error_code ignored;
    std::filesystem::remove(nc, ignored);
    test::RecordingHost recorder(job.locale);
    Choices choices = job.choices;
    choices.parameters = cleanParameters(choices.parameters, job.locale);
    const JobFigures figures = jobFigures(state, choices, job.locale, Planning::Plan);
    if (std::string fault = checkTravel(figures); !fault.empty()) {
        return fault;
    }
    if (holdsNonFinite(infoLines(state, figures))) {
        return "an info line holds inf or nan";
    }
    const WriteResult program = GERBER_SCHREIBEN(state, choices, recorder.host);
    const bool readWhole = state.loadRefusal.empty();
    if (!readWhole && program.status.ok()) {
        return "a program of a drawing not read whole";
    }
    if (!program.status.ok()) {
        if (std::filesystem::exists(nc) ||
            !program.status.error.starts_with("Export abgebrochen")) {
            return "a refused program: " + program.status.error;
        }
    } else if (std::string fault = checkProgram(nc, job); !fault.empty()) {
        return fault;
    }
    const bool tableWritten = exportMillingData(state, recorder.host).status.ok();
    if (tableWritten != readWhole) {
        return "a milling table refused or written against the load";
    }
    if (tableWritten && readTextFile(table).lines.size() != state.store.FRAESUNGEN.size()) {
        return "the milling table lacks lines";
    }
    if (job.dump) {
        const std::size_t n = state.file.DATEI_INHALT.size();
        const bool horizontal = n % 2 == 0;
        writeDump(state.file, horizontal ? DumpLayout::Horizontal : DumpLayout::Vertical,
                  recorder.host);
        if (std::filesystem::file_size(table, ignored) != (horizontal ? 3 * n + 2 : 4 * n)) {
            return "the dump has the wrong length";
        }
    }
    return {};
}

// Zoomed, panned and culled views of the scene, and the written pictures of the whole board.
std::string checkPreview(ProgramState& state, const Job& job) {
    const PreviewScene scene =
        ZEICHNEN_VORSCHAU(state.store, job.choices.view, job.choices.calibration, job.locale);
    const SceneIndex index(scene.primitives);
    const ViewTransform fit = fitWholeBoard(scene.xMax, scene.yMax, 640, 400, scene.yUp);
    ViewTransform view = fit;
    for (double factor : {1e9, 0.5, 3.0, 1e-9}) {
        view = pan(zoomAbout(view, {320, 200}, factor, fit), 17, -5);
        for (std::uint32_t i : index.visible(view.visibleBoard(640, 400), 1)) {
            if (i >= scene.primitives.size()) {
                return "the view picked a primitive that is not there";
            }
        }
    }
    if (!job.picture) {
        return {};
    }
    for (const char* name : {"fuzz.png", "fuzz.svg"}) {
        if (const Status written = writePreviewPicture(scratch() / name, scene); !written.ok()) {
            return "the preview was not written: " + written.error;
        }
    }
    return {};
}

}  // namespace

std::string loadDrawing(Bytes data) {
    const Job job = readJob(data);
    Analysed analysed = analyse(job.drawing, job.choices, job.locale);
    for (std::string fault : {checkStore(analysed), checkDrillOrder(analysed, job),
                              checkPreview(analysed.state, job)}) {
        if (!fault.empty()) {
            return fault;
        }
    }
    return checkWrites(analysed.state, job);
}

}  // namespace zrv::fuzz
