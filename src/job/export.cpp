#include "job/export.h"

#include <array>
#include <utility>

#include "base/file_names.h"
#include "base/text_file.h"
#include "gcode/gcode_writer.h"
#include "gcode/milling_export.h"
#include "gcode/parameter_refusals.h"
#include "job/height_map_drop.h"
#include "job/output_guard.h"
#include "levelling/level_program.h"
#include "preview/picture.h"
#include "text/number_format.h"

namespace zrv {
namespace {

WriteResult failed(Host& host, std::string message, std::string path) {
    host.progress.showMessage(message);
    return {Status::failure(std::move(message)), std::move(path)};
}

// A refusal stays readable in the status list after its message box is closed.
WriteResult refused(Host& host, const std::vector<std::string>& refusals, std::string path) {
    std::string message;
    for (const std::string& refusal : refusals) {
        host.progress.addLine(refusal);
        message += (message.empty() ? "" : "\n") + refusal;
    }
    return failed(host, std::move(message), std::move(path));
}

}  // namespace

GcodeJob gcodeJob(const ProgramState& state, const Choices& choices, const JobFigures& figures,
                  NumberLocale locale) {
    GcodeJob job;
    job.PUNKTE = state.store.PUNKTE;
    job.FRAESUNGEN = state.store.FRAESUNGEN;
    job.values = parameterValues(choices.parameters);
    job.exports = choices.exports;
    job.steps = choices.steps;
    job.FAHRWEG_BOHRUNGEN = figures.FAHRWEG_BOHRUNGEN;
    job.FAHRWEG_FRAESUNGEN = figures.FAHRWEG_FRAESUNGEN;
    job.ZEIT_BOHRUNGEN = figures.ZEIT_BOHRUNGEN;
    job.ZEIT_FRAESUNGEN = figures.ZEIT_FRAESUNGEN;
    job.locale = locale;
    return job;
}

Parameters exportParameters(const ProgramState& state, const Choices& choices,
                            NumberLocale locale) {
    const GcodeJob job = gcodeJob(state, choices, {}, locale);
    const std::array<std::pair<const ParameterGroup*, bool>, 2> groups{
        {{&kDrillingParameters, drillingWritten(job)}, {&kMillingParameters, millingWritten(job)}}};
    Parameters cleaned = choices.parameters;
    for (const auto& [group, written] : groups) {
        for (const ParameterRow& row : *group) {
            const ParameterValue& value = job.values.of(*group)[row.role];
            if (!written || value.isNumber || !refusedAsNoNumber(row.role)) {
                cleaned.*row.text = plainNumberText(value.number, locale);
            }
        }
    }
    return cleaned;
}

WriteResult GERBER_SCHREIBEN(const ProgramState& state, const Choices& choices, Host& host,
                             std::string_view outputPath, Planning planning) {
    std::string path =
        outputPath.empty() ? state.file.DATEI_BASIS + ".nc" : std::string(outputPath);
    host.progress.clearLines();
    host.progress.processEvents();
    // Taken after the pending events ran: they may have reloaded the store.
    GcodeJob job = gcodeJob(state, choices, jobFigures(state, choices, host.locale, Planning::Skip),
                            host.locale);
    // Refused before the file is touched, so the previous program stays.
    std::vector<std::string> refusals =
        state.loadRefusal.empty() ? parameterRefusals(job) : std::vector{state.loadRefusal};
    if (std::string overwrite = overwriteRefusal(path, state); !overwrite.empty()) {
        refusals.push_back(std::move(overwrite));
    }
    // The window drops a map as its choices change; this stays the last guard.
    if (const std::string mismatch = heightMapMismatch(state, choices); !mismatch.empty()) {
        refusals.push_back("Export abgebrochen: Höhenkarte " + mismatch);
    }
    if (!refusals.empty()) {
        return refused(host, refusals, std::move(path));
    }
    job.dateText = host.clock.dateText();
    job.timeText = host.clock.timeText();
    job.outputPath = path;
    LevelledProgram program = writtenProgram(job, state.heightMap ? &*state.heightMap : nullptr);
    if (!program.refusal.empty()) {
        return refused(host, {program.refusal}, std::move(path));
    }
    const std::vector<std::string> lines = std::move(program.lines);
    host.progress.addLine("Export Gerberdatei...");
    host.progress.addLine(path);
    if (state.heightMap) {
        host.progress.addLine("Nivelliert mit der Höhenkarte " + state.heightMap->name);
    }
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
    WriteResult result{Status::success(), std::move(path)};
    if (planning == Planning::Plan) {
        result.time = plannedTime(lines, choices);
    }
    return result;
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
    if (!state.loadRefusal.empty()) {
        return refused(host, {state.loadRefusal}, exportTextPath(state.file));
    }
    return writeTextExport(state.file, host, [&] {
        return windowsText(millingExportLines(state.store.FRAESUNGEN, host.locale));
    });
}

Status writeBoardPicture(const ProgramState& state, const PreviewScene& scene,
                         std::string_view path) {
    if (std::string overwrite = overwriteRefusal(path, state); !overwrite.empty()) {
        return Status::failure(std::move(overwrite));
    }
    return writePreviewPicture(fileSystemPath(path), scene);
}

}  // namespace zrv
