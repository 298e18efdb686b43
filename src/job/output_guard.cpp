#include "job/output_guard.h"

#include "base/file_names.h"

namespace zrv {

std::string overwriteRefusal(std::string_view output, const ProgramState& state) {
    const std::string named = "Nicht geschrieben: Die Ausgabe \"" + std::string(output) + "\" ist ";
    if (!state.file.DATEI_NAME.empty() && sameFile(output, state.file.DATEI_NAME)) {
        return named + "die Zeichnung selbst.";
    }
    if (state.heightMap && !state.heightMapLog.empty() && sameFile(output, state.heightMapLog)) {
        return named + "das Tastprotokoll selbst.";
    }
    return {};
}

}  // namespace zrv
