#include "ui/machine/program_check.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "base/file_names.h"
#include "base/text_file.h"
#include "job/export.h"
#include "job/job_figures.h"
#include "levelling/level_program.h"
#include "text/windows1252.h"

namespace zrv {

namespace {

std::string writeFirst(const std::string& path, std::string_view why) {
    return "Das Programm \"" + path + "\" " + std::string(why) +
           ". Bitte zuerst das Programm erzeugen (Export).";
}

std::vector<std::string> programAt(GcodeJob job, const HeightMap* map, std::string_view date,
                                   std::string_view time) {
    job.dateText = date;
    job.timeText = time;
    LevelledProgram program = writtenProgram(job, map);
    return program.refusal.empty() ? std::move(program.lines) : std::vector<std::string>{};
}

}  // namespace

CheckedProgram checkedProgram(const ProgramState& state, const Choices& choices,
                              const std::string& path, NumberLocale locale) {
    if (!state.loadRefusal.empty()) {
        return {{}, "Job nicht gestartet: " + state.loadRefusal};
    }
    std::error_code error;
    const auto written = std::filesystem::last_write_time(fileSystemPath(path), error);
    if (error) {
        return {{},
                "Kein Programm zur Zeichnung: \"" + path +
                    "\" fehlt. Bitte zuerst das Programm erzeugen (Export)."};
    }
    const auto drawn =
        std::filesystem::last_write_time(fileSystemPath(state.file.DATEI_NAME), error);
    if (error || drawn > written) {
        return {{}, writeFirst(path, "ist älter als die Zeichnung")};
    }
    FileBytes file = readFileBytes(fileSystemPath(path));
    if (!file.status.ok()) {
        return {{}, file.status.error};
    }
    const std::vector<std::string> lines = textLines(windows1252ToUtf8(file.bytes));
    GcodeJob job =
        gcodeJob(state, choices, jobFigures(state, choices, locale, Planning::Skip), locale);
    job.outputPath = path;
    const HeightMap* map = state.heightMap ? &*state.heightMap : nullptr;
    // Two renderings with different dates tell which lines carry the date and the time.
    const std::vector<std::string> first = programAt(job, map, "1", "1");
    const std::vector<std::string> second = programAt(job, map, "2", "2");
    bool same = !first.empty() && first.size() == lines.size();
    for (std::size_t i = 0; same && i < first.size(); ++i) {
        same = first[i] != second[i] || first[i] == lines[i];
    }
    if (!same) {
        return {{},
                writeFirst(path,
                           "passt nicht mehr zur Zeichnung, zu den Einstellungen oder "
                           "zur Höhenkarte: sie wurden geändert, seit es geschrieben "
                           "wurde")};
    }
    return {std::move(file.bytes), {}};
}

}  // namespace zrv
