#include "ui/controls/window_progress.h"

#include <QCoreApplication>

#include "ui/common/qt_text.h"
#include "ui/widgets/preview_widget.h"

namespace zrv {

WindowProgress::WindowProgress(QMainWindow& window, Controls& controls, Menus& menus,
                               Platform& platform, PreviewRedraw& redraw, std::string messageTitle)
    : window_(window),
      controls_(controls),
      menus_(menus),
      platform_(platform),
      redraw_(redraw),
      messageTitle_(std::move(messageTitle)) {}

void WindowProgress::addLine(std::string_view line) {
    controls_.List1->addItem(qs(line));
    controls_.List1->scrollToBottom();
}

void WindowProgress::clearLines() {
    controls_.List1->clear();
}

void WindowProgress::showMessage(std::string_view text) {
    platform_.message(text, messageTitle_);
}

void WindowProgress::processEvents() {
    QCoreApplication::processEvents();
}

void WindowProgress::step(std::string_view howFar) {
    window_.setWindowTitle(qs(howFar));
}

void WindowProgress::versionRead(std::string_view tag) {
    menus_.MENUE_ZIRVA->setText(qs(tag));
}

void WindowProgress::drillTravelUnknown() {
    controls_.Label_BOHRUNGEN_FAHRWEG->setText(QStringLiteral("?"));
}

void WindowProgress::previewInvalid() {
    controls_.Picture1->clear();
}

void WindowProgress::storeChanged() {
    redraw_.request();
}

}  // namespace zrv
