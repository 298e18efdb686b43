#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/host.h"
#include "base/status.h"
#include "gcode/gcode_writer.h"
#include "job/job_figures.h"
#include "job/job_time.h"
#include "job/program_state.h"
#include "preview/scene.h"
#include "reader/drawing_file.h"
#include "settings/choices.h"
#include "settings/parameters.h"

namespace zrv {

// What the program is built from: the store, the parameter texts read once, the export switches and
// the figures of its header (date, time and path left empty).
GcodeJob gcodeJob(const ProgramState& state, const Choices& choices, const JobFigures& figures,
                  NumberLocale locale);

// Step 1 of the export button: the parameter texts cleaned for the boxes, except a text without
// any number that the export refuses (see refusedAsNoNumber): it stays as typed, since as "0"
// it would pass the next click.
Parameters exportParameters(const ProgramState& state, const Choices& choices, NumberLocale locale);

struct WriteResult {
    Status status;     // the German message when nothing was written (already shown through
                       // host.progress.showMessage)
    std::string path;  // the file written (or that would have been)
    std::optional<JobTime> time = {};  // the planner's time of the written program, when planned
};

// GERBER_SCHREIBEN: the G-code program to DATEI_BASIS + ".nc" (or to `outputPath` when given),
// from the store and the (cleaned) parameters, its header carrying their jobFigures; written
// atomically. Refused with nothing written, each reason shown and put into the status list, for
// a drawing not read whole (its load refusal) or the reasons of parameterRefusals. The written
// program is planned only when asked for, where its time is shown.
WriteResult GERBER_SCHREIBEN(const ProgramState& state, const Choices& choices, Host& host,
                             std::string_view outputPath = {}, Planning planning = Planning::Skip);

// DATEI_BASIS + "_EXPORT.txt": the file of the milling table and of the dumps.
std::string exportTextPath(const DrawingFile& file);

// What the milling table and the dumps share: the announcement in the status list, the text from
// `makeText` (which may let the window breathe), written atomically to exportTextPath, then the
// path and "ok" in the status list, or the failure shown as a message.
WriteResult writeTextExport(const DrawingFile& file, Host& host,
                            const std::function<std::string()>& makeText);

// MENUE_EXPORT_DATEN_FRAESUNGEN: the milling paths as a tab-separated table to
// DATEI_BASIS + "_EXPORT.txt"; written atomically. Refused like the program while the last load
// did not read the drawing whole.
WriteResult exportMillingData(const ProgramState& state, Host& host);

// The picture of the whole board (writePreviewPicture) to `path`, refused with nothing written
// when that is the drawing itself or the map's probe log (overwriteRefusal).
Status writeBoardPicture(const ProgramState& state, const PreviewScene& scene,
                         std::string_view path);

}  // namespace zrv
