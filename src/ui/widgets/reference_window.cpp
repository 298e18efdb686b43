#include "ui/widgets/reference_window.h"

#include <QVBoxLayout>

#include "gcode/reference_tables.h"
#include "ui/widgets/list_lines.h"

namespace zrv {

namespace {

// The design size 16488 x 9528 twips and the list at 120, 480 sized 16092 x 8928, at 15 twips
// per pixel: the margins left, top, right and bottom.
constexpr int kDesignWidth = 1099;
constexpr int kDesignHeight = 635;
constexpr int kListLeft = 8;
constexpr int kListTop = 32;
constexpr int kListRight = 18;
constexpr int kListBottom = 8;

}  // namespace

// A window of its own that the main window owns, so it closes when the program ends.
ReferenceWindow::ReferenceWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window) {
    setObjectName(QStringLiteral("HILFE_GERBER"));
    setWindowTitle(QStringLiteral("Gerber-Protokoll"));
    resize(kDesignWidth, kDesignHeight);
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("List1"));
    list->setFont(QFont(QStringLiteral("MS Sans Serif")));
    list->setSortingEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kListLeft, kListTop, kListRight, kListBottom);
    layout->addWidget(list);
    list->addItems(listLines(gcodeReferenceLines()));
}

HelpMenu::HelpMenu(QWidget* mainWindow, QListWidget* list1, NumberLocale locale)
    : mainWindow_(mainWindow), list1_(list1), locale_(locale) {}

void HelpMenu::HILFE_GERBER_PROTOKOLL_Click() {
    ReferenceWindow* shown = window_.data();
    if (shown == nullptr || !shown->isVisible()) {
        delete shown;  // closed: the next opening starts from a fresh list
        shown = new ReferenceWindow(mainWindow_);
        window_ = shown;
    }
    shown->show();
    shown->setWindowState((shown->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    shown->raise();
    shown->activateWindow();
}

void HelpMenu::MENUE_HILFE_ZOLLmm_Click() {
    const std::vector<std::string> lines = inchTableLines(locale_);
    replaceListLines(list1_, listLines(std::span<const std::string>(lines)));
}

void HelpMenu::MENUE_HILFE_KENNDATEN_Click() {
    replaceListLines(list1_, listLines(machineDataLines()));
}

}  // namespace zrv
