#pragma once

#include <string>
#include <string_view>

#include "job/export.h"
#include "reader/drawing_file.h"
#include "reader/host.h"

namespace zrv {

// The two layouts of the hex dump of a drawing.
enum class DumpLayout {
    Horizontal,  // one line: every byte as two upper-case hex digits and a tab
    Vertical,    // one line per byte
};

// The file a dump writes: DATEI_BASIS + "_EXPORT.txt" (the milling export's name too).
std::string dumpPath(const DrawingFile& file);

// MENUE_ANALYSE_DATEI (horizontal) and MENUE_ANALYSE_DATEI_VERTIKAL without the reload before
// and the editor start after: writes the dump of DATEI_INHALT atomically, reports in the status
// list and, once a second, "i von n" in the title. A failed write is shown as a message.
WriteResult writeDump(const DrawingFile& file, DumpLayout layout, Host& host);

}  // namespace zrv
