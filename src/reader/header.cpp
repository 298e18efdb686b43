#include "reader/analysis.h"
#include "text/windows1252.h"

namespace zrv {

bool ANALYSE_HEADER(DrawingFile& file, Host& host) {
    host.progress.addLine("");
    host.progress.addLine("Analyse Header");
    host.progress.processEvents();
    file.DATEI_VERSION = "???";
    if (file.DATEI_INHALT.empty() || file.DATEI_INHALT.front() != '\x07') {
        host.progress.showMessage("no ZIRVA-Datei");
        return false;
    }
    // The tag is bytes of the file; inside the program texts are UTF-8.
    file.DATEI_VERSION = windows1252ToUtf8(std::string_view(file.DATEI_INHALT).substr(1, 7));
    host.progress.versionRead(file.DATEI_VERSION);
    return true;
}

bool headerCutOff(const DrawingFile& file) {
    const std::string& bytes = file.DATEI_INHALT;
    return !bytes.empty() &&
           bytes.size() < 1 + static_cast<std::size_t>(static_cast<unsigned char>(bytes.front()));
}

}  // namespace zrv
