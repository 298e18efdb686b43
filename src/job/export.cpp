#include "job/export.h"

#include <array>

#include "output/gcode_writer.h"
#include "output/milling_export.h"
#include "output/plain_number.h"
#include "reader/file_names.h"
#include "text/number_format.h"
#include "text/text_file.h"

namespace zrv {
namespace {

std::string cleaned(std::string_view text, NumberLocale locale) {
    return plainNumberText(parameterNumber(text), locale);
}

WriteResult failed(Host& host, std::string message, std::string path) {
    host.progress.showMessage(message);
    return {Status::failure(std::move(message)), std::move(path)};
}

}  // namespace

GcodeJob gcodeJob(const ProgramState& state, const Choices& choices, NumberLocale locale) {
    GcodeJob job;
    job.PUNKTE = state.store.PUNKTE;
    job.FRAESUNGEN = state.store.FRAESUNGEN;
    job.parameters = cleanParameters(choices.parameters, locale);
    job.exports = choices.exports;
    job.FAHRWEG_BOHRUNGEN = state.FAHRWEG_BOHRUNGEN;
    job.FAHRWEG_FRAESUNGEN = state.FAHRWEG_FRAESUNGEN;
    job.ZEIT_BOHRUNGEN = state.ZEIT_BOHRUNGEN;
    job.ZEIT_FRAESUNGEN = state.ZEIT_FRAESUNGEN;
    job.locale = locale;
    return job;
}

Parameters cleanParameters(const Parameters& parameters, NumberLocale locale) {
    Parameters result = parameters;
    for (std::string* text :
         std::array{&result.Combo_BOHRUNG_SPINDLE_SPEED, &result.Combo_BOHRUNG_VORSCHUB_Z_AUF,
                    &result.Combo_BOHRUNG_VORSCHUB_Z_AB, &result.Combo_BOHRUNG_VORSCHUB_XY,
                    &result.Combo_BOHRUNG_HOEHE, &result.Combo_BOHRUNG_TIEFE,
                    &result.Combo_FRAESUNG_SPINDLE_SPEED, &result.Combo_FRAESUNG_VORSCHUB_Z_AUF,
                    &result.Combo_FRAESUNG_VORSCHUB_Z_AB, &result.Combo_FRAESUNG_VORSCHUB_XY,
                    &result.Combo_FRAESUNG_HOEHE, &result.Combo_FRAESUNG_TIEFE}) {
        *text = cleaned(*text, locale);
    }
    return result;
}

WriteResult GERBER_SCHREIBEN(const ProgramState& state, const Choices& choices, Host& host,
                             std::string_view outputPath) {
    std::string path =
        outputPath.empty() ? state.file.DATEI_BASIS + ".nc" : std::string(outputPath);
    host.progress.clearLines();
    host.progress.processEvents();
    // Taken after the pending events ran: they may have reloaded the store.
    GcodeJob job = gcodeJob(state, choices, host.locale);
    // A feed of 0 would stall the machine mid-program; refuse before touching the file.
    if (std::string refusal = feedRefusal(job); !refusal.empty()) {
        return failed(host, std::move(refusal), std::move(path));
    }
    host.progress.addLine("Export Gerberdatei...");
    host.progress.addLine(path);
    job.dateText = host.clock.dateText();
    job.timeText = host.clock.timeText();
    job.outputPath = path;
    const std::vector<std::string> lines = gcodeProgram(job);
    for (const bool written : {drillingWritten(job), millingWritten(job)}) {
        if (written) {
            host.progress.addLine("");
        }
    }
    const std::string bytes = windowsText(lines);
    if (Status status = writeFileAtomically(fileSystemPath(path), bytes); !status.ok()) {
        return failed(host, std::move(status.error), std::move(path));
    }
    host.progress.addLine(formatPattern(static_cast<double>(bytes.size()), "#,##0", host.locale) +
                          " Bytes");
    host.progress.addLine("ok");
    return {Status::success(), std::move(path)};
}

std::string exportTextPath(const DrawingFile& file) {
    return file.DATEI_BASIS + "_EXPORT.txt";
}

WriteResult writeTextExport(const DrawingFile& file, Host& host,
                            const std::function<std::string()>& makeText) {
    std::string path = exportTextPath(file);
    host.progress.addLine("");
    host.progress.addLine("Export als Text-Datei... wait");
    host.progress.processEvents();
    if (Status status = writeFileAtomically(fileSystemPath(path), makeText()); !status.ok()) {
        return failed(host, std::move(status.error), std::move(path));
    }
    host.progress.addLine(path);
    host.progress.addLine("ok");
    return {Status::success(), std::move(path)};
}

WriteResult exportMillingData(const ProgramState& state, Host& host) {
    return writeTextExport(state.file, host, [&] {
        return windowsText(millingExportLines(state.store.FRAESUNGEN, host.locale));
    });
}

}  // namespace zrv
