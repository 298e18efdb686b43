#include "job/load.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "base/file_names.h"
#include "base/text_file.h"
#include "geometry/align.h"
#include "geometry/optimise.h"
#include "job/height_map_drop.h"
#include "reader/analysis.h"
#include "reader/record_values.h"
#include "text/number_format.h"

namespace zrv {

namespace {

LoadResult stop(Host& host, LoadOutcome outcome, std::string message) {
    host.progress.showMessage(message);
    return {outcome, std::move(message)};
}

std::string cannotRead(std::string_view path, std::string_view cause) {
    return "Die Datei \"" + std::string(path) +
           "\" kann nicht gelesen werden: " + std::string(cause);
}

// The file's length, or the message why it cannot be read.
struct FileLength {
    std::uintmax_t bytes = 0;
    std::string error;
};

FileLength fileLength(std::string_view path) {
    std::error_code error;
    const std::filesystem::path file = fileSystemPath(path);
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error) {
        return {0, cannotRead(path, systemErrorText(error.value()))};
    }
    if (std::filesystem::is_directory(status)) {
        return {0, cannotRead(path, "das ist ein Ordner")};
    }
    if (!std::filesystem::is_regular_file(status)) {
        return {0, cannotRead(path, "das ist keine gewöhnliche Datei")};
    }
    const std::uintmax_t bytes = std::filesystem::file_size(file, error);
    if (error) {
        return {0, cannotRead(path, systemErrorText(error.value()))};
    }
    return {bytes, {}};
}

// Iterators rather than std::ranges: clang 14 with this libstdc++ cannot build ranges::search.
bool containsZirva(std::string_view tag) {
    constexpr std::string_view kZirva = "ZIRVA";
    return std::search(tag.begin(), tag.end(), kZirva.begin(), kZirva.end(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == b;
           }) != tag.end();
}

void resetForLoad(ProgramState& state, std::string_view path) {
    state.file.DATEI_NAME = std::string(path);
    state.file.DATEI_INHALT.clear();
    state.store.reset();
    ++state.storeGeneration;
    state.loadRefusal = std::string(kNoDrawing);  // until the load has ended
}

// The name the analysis gives the drawing in its messages.
std::string drawingName(const DrawingFile& file) {
    std::string name = DATEI_OHNE_PFAD(file.DATEI_NAME);
    return name.empty() ? file.DATEI_NAME : name;
}

LoadResult noted(ProgramState& state, LoadResult result) {
    ++state.storeGeneration;
    if (result.outcome == LoadOutcome::Loaded) {
        state.loadRefusal.clear();
    } else if (result.outcome == LoadOutcome::NoFile) {
        state.loadRefusal = std::string(kNoDrawing);
    } else {
        state.loadRefusal = "Export abgebrochen: " + loadFailureCause(result, state.file);
    }
    return result;
}

LoadResult readAndAnalyse(ProgramState& state, std::string_view path, const Choices& choices,
                          Host& host);
LoadResult analyse(ProgramState& state, const Choices& choices, Host& host);

}  // namespace

LoadResult DATEI_LADEN(ProgramState& state, std::string_view path, const Choices& choices,
                       Host& host) {
    LoadResult result = readAndAnalyse(state, path, choices, host);
    return noted(state, std::move(result));
}

LoadResult ANALYSE_DATEI(ProgramState& state, const Choices& choices, Host& host) {
    LoadResult result = analyse(state, choices, host);
    return noted(state, std::move(result));
}

std::string loadFailureCause(const LoadResult& result, const DrawingFile& file) {
    const std::string named = "Die Datei \"" + file.DATEI_NAME + "\" ";
    switch (result.outcome) {
        case LoadOutcome::Loaded:
            return {};
        case LoadOutcome::NoFile:
            return std::string(kNoDrawing);
        case LoadOutcome::ReadFailed:
            return result.message;
        case LoadOutcome::Empty:
            return named + "ist leer.";
        case LoadOutcome::NotZirva:
            return named + "ist keine ZIRVA-Datei.";
        case LoadOutcome::ForeignTag:
            return named + "ist keine ZIRVA-Zeichnung (Kennung \"" + file.DATEI_VERSION + "\").";
        case LoadOutcome::AnalysisFailed:
            break;
    }
    // The cut-off value keeps the old program's words for its message box; here it gets a name.
    if (result.message == kCalcKoordinatenError) {
        return analysisFailureText(
            drawingName(file), "ein Wert ist vom Dateiende abgeschnitten (" + result.message + ")");
    }
    return result.message;
}

namespace {

LoadResult readAndAnalyse(ProgramState& state, std::string_view path, const Choices& choices,
                          Host& host) {
    Progress& progress = host.progress;
    const bool otherDrawing = path != state.file.DATEI_NAME;
    resetForLoad(state, path);
    progress.clearLines();
    // A map belongs to one clamping of one board.
    if (otherDrawing) {
        dropHeightMap(state, progress, "andere Zeichnung");
    }
    progress.addLine("Datei öffnen...");
    progress.processEvents();
    if (characterCount(path) < 5) {
        return stop(host, LoadOutcome::NoFile, "no Datei");
    }
    const FileLength length = fileLength(path);
    if (!length.error.empty()) {
        return stop(host, LoadOutcome::ReadFailed, length.error);
    }
    progress.addLine(DATEI_OHNE_PFAD(path) + "   (" +
                     formatPattern(static_cast<double>(length.bytes), "#,##0", host.locale) +
                     " Bytes) ");
    progress.processEvents();
    const std::optional<std::string> basis = dateiBasis(path);
    if (!basis) {
        return stop(host, LoadOutcome::ReadFailed,
                    cannotRead(path,
                               "der Name hat keine Endung (kein \".\" unter den letzten "
                               "fünf Zeichen)"));
    }
    state.file.DATEI_BASIS = *basis;
    progress.processEvents();
    const double start = host.clock.secondsSinceMidnight();
    FileBytes read = readFileBytes(fileSystemPath(path));
    if (!read.status.ok()) {
        return stop(host, LoadOutcome::ReadFailed, read.status.error);
    }
    state.file.DATEI_INHALT = std::move(read.bytes);
    progress.addLine(elapsedLine(host, start));
    progress.processEvents();
    return analyse(state, choices, host);
}

LoadResult analyse(ProgramState& state, const Choices& choices, Host& host) {
    Progress& progress = host.progress;
    dropMismatchedHeightMap(state, choices, progress);
    progress.previewInvalid();
    progress.processEvents();
    if (state.file.DATEI_INHALT.empty()) {
        return {LoadOutcome::Empty, {}};
    }
    if (!ANALYSE_HEADER(state.file, host)) {
        return {LoadOutcome::NotZirva, "no ZIRVA-Datei"};
    }
    const std::string name = drawingName(state.file);
    if (headerCutOff(state.file)) {
        return stop(host, LoadOutcome::AnalysisFailed,
                    analysisFailureText(name, "die Kennung ist vom Dateiende abgeschnitten"));
    }
    if (!containsZirva(state.file.DATEI_VERSION)) {
        return {LoadOutcome::ForeignTag, {}};
    }
    const AnalysisInput input{state.file.DATEI_INHALT, state.file.DATEI_VERSION, name,
                              choices.filter, choices.calibration};
    const Status analysed = analyseFigures(input, state.store, host);
    if (!analysed.ok()) {
        return stop(host, LoadOutcome::AnalysisFailed, analysed.error);
    }
    progress.processEvents();
    GRAFIC_BUENDIG(state.store, choices.prepare.Check_BUENDIG, host);
    GRAFIC_SPIEGELN(state.store, choices.prepare.Check_SPIEGELN_HORIZONTAL, host);
    GRAFIC_OPTIMIEREN(state.store, choices.prepare, host);
    progress.processEvents();
    progress.storeChanged();
    return {LoadOutcome::Loaded, {}};
}

}  // namespace

}  // namespace zrv
