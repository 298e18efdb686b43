#include "job/height_map_file.h"

#include "base/file_names.h"
#include "base/text_file.h"
#include "job/output_guard.h"
#include "levelling/height_map.h"
#include "levelling/probe_program.h"
#include "settings/plain_number.h"

namespace zrv {
namespace {

Status refuse(Host& host, std::string message) {
    host.progress.addLine(message);
    host.progress.showMessage(message);
    return Status::failure(std::move(message));
}

// A refused log leaves the map that was loaded before, and the status list says so.
Status refuseLog(const ProgramState& state, Host& host, std::string message) {
    Status status = refuse(host, std::move(message));
    if (state.heightMap) {
        host.progress.addLine("Höhenkarte bleibt: " + state.heightMap->name);
    }
    return status;
}

}  // namespace

ProbeGridResult drawingProbeGrid(const ProgramState& state, const Choices& choices,
                                 NumberLocale locale) {
    return probeGrid(cutArea(state.store.PUNKTE, state.store.FRAESUNGEN, choices.exports),
                     choices.probe, locale);
}

std::string probeProgramPath(const DrawingFile& file) {
    return file.DATEI_BASIS + "_ANTASTEN.nc";
}

WriteResult writeProbeProgram(const ProgramState& state, const Choices& choices, Host& host,
                              std::string_view outputPath) {
    std::string path = outputPath.empty() ? probeProgramPath(state.file) : std::string(outputPath);
    const ProbeGridResult grid = drawingProbeGrid(state, choices, host.locale);
    const std::string& refusal = state.loadRefusal.empty() ? grid.refusal : state.loadRefusal;
    if (!refusal.empty()) {
        return {refuse(host, "Tastprogramm nicht geschrieben: " + refusal), std::move(path)};
    }
    if (std::string overwrite = overwriteRefusal(path, state); !overwrite.empty()) {
        return {refuse(host, std::move(overwrite)), std::move(path)};
    }
    const double safeHeight = parameterNumber(choices.parameters.Combo_FRAESUNG_HOEHE);
    const std::vector<std::string> lines =
        probeProgram(grid.grid, choices.probe, safeHeight, DATEI_OHNE_PFAD(state.file.DATEI_NAME));
    if (Status status = writeTextFile(fileSystemPath(path), lines); !status.ok()) {
        host.progress.showMessage(status.error);
        return {std::move(status), std::move(path)};
    }
    host.progress.addLine("Tastprogramm: " + std::to_string(grid.grid.probes.size()) + " Punkte");
    host.progress.addLine(path);
    return {Status::success(), std::move(path)};
}

Status loadHeightMap(ProgramState& state, const Choices& choices, std::string_view logPath,
                     Host& host) {
    if (!state.loadRefusal.empty()) {
        return refuseLog(state, host, "Tastprotokoll nicht übernommen: " + state.loadRefusal);
    }
    const FileBytes log = readFileBytes(fileSystemPath(logPath));
    if (!log.status.ok()) {
        return refuseLog(state, host, "Tastprotokoll nicht übernommen: " + log.status.error);
    }
    const ProbeGridResult grid = drawingProbeGrid(state, choices, host.locale);
    if (!grid.refusal.empty()) {
        return refuseLog(state, host, "Tastprotokoll nicht übernommen: " + grid.refusal);
    }
    HeightMapRead read =
        readHeightMap(log.bytes, grid.grid, choices.probe, DATEI_OHNE_PFAD(logPath), host.locale);
    if (!read.map) {
        return refuseLog(state, host, std::move(read.refusal));
    }
    state.heightMap = std::move(read.map);
    state.heightMapLog = std::string(logPath);
    state.heightMapShape = probeShape(choices);
    host.progress.addLine(heightMapLine(*state.heightMap, host.locale));
    return Status::success();
}

}  // namespace zrv
