#include "ui/machine/panel_surroundings.h"

#include "ui/common/qt_text.h"

namespace zrv {

void say(PanelControls& panel, PanelSurroundings& around, const std::string& line) {
    around.host.progress.addLine(line);
    panel.Label_MASCHINE_MELDUNG->setText(qs(line));
}

void refuse(PanelControls& panel, PanelSurroundings& around, const std::string& text) {
    say(panel, around, text);
    around.platform.message(text, around.messageTitle);
}

}  // namespace zrv
