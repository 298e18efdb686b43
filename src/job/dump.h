#pragma once

#include <string>
#include <string_view>

#include "base/host.h"
#include "job/export.h"
#include "reader/drawing_file.h"

namespace zrv {

// The two layouts of the hex dump of a drawing.
enum class DumpLayout {
    Horizontal,  // one line: every byte as two upper-case hex digits and a tab
    Vertical,    // one line per byte
};

// MENUE_ANALYSE_DATEI (horizontal) and MENUE_ANALYSE_DATEI_VERTIKAL without the reload before
// and the editor start after: writes the dump of DATEI_INHALT through writeTextExport and shows,
// once a second, "i von n" as a step.
WriteResult writeDump(const DrawingFile& file, DumpLayout layout, Host& host);

}  // namespace zrv
