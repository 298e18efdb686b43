#include "job/load.h"

namespace zrv {

// Placeholder until the reader lands.
LoadResult DATEI_LADEN(ProgramState& state, std::string_view path, const Choices&, Host&) {
    state.file.DATEI_NAME = std::string(path);
    state.store.reset();
    return {LoadOutcome::ReadFailed, "Lesen noch nicht verfügbar"};
}

}  // namespace zrv
