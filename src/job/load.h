#pragma once

#include <string>
#include <string_view>

#include "base/host.h"
#include "job/program_state.h"
#include "settings/choices.h"

namespace zrv {

// How a load ended.
enum class LoadOutcome {
    Loaded,          // header accepted, every figure read, post-processing done
    NoFile,          // path shorter than 5 characters: "no Datei"
    ReadFailed,      // missing, unreadable, a folder, or no "." among the last five characters
    Empty,           // the file holds no byte
    NotZirva,        // first byte not 7: "no ZIRVA-Datei"
    ForeignTag,      // a tag without "ZIRVA": nothing parsed
    AnalysisFailed,  // a list overflowed or a record was cut off: store kept up to there
};

struct LoadResult {
    LoadOutcome outcome = LoadOutcome::Loaded;
    std::string message;  // the German message shown, if any
};

// DATEI_LADEN: resets the store, reads the file whole, runs ANALYSE_DATEI (header check, the
// five parsers, flush, mirror, optimisation, redraw request). Every outcome but Loaded counts as
// "could not be read": it sets the state's loadRefusal, a whole read clears it.
LoadResult DATEI_LADEN(ProgramState& state, std::string_view path, const Choices& choices,
                       Host& host);

// ANALYSE_DATEI: the analysis of DATEI_INHALT as DATEI_LADEN runs it after the read. An
// analysis failure is shown with a German message naming the drawing and the cause.
LoadResult ANALYSE_DATEI(ProgramState& state, const Choices& choices, Host& host);

// Why a load did not read the drawing whole, naming the drawing and the cause ("" after a whole
// read): also for the outcomes the window passes over in silence.
std::string loadFailureCause(const LoadResult& result, const DrawingFile& file);

}  // namespace zrv
