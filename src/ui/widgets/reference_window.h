#pragma once

#include <QListWidget>
#include <QPointer>
#include <QWidget>

#include "text/number_locale.h"

namespace zrv {

// HILFE_GERBER, "Gerber-Protokoll": its own list of the G-code reference, filled when the
// window is built (Form_Load).
class ReferenceWindow final : public QWidget {
  public:
    explicit ReferenceWindow(QWidget* mainWindow);
};

// The "?" menu's entries that do something: the reference window and the two tables that
// List1 shows.
class HelpMenu {
  public:
    HelpMenu(QWidget* mainWindow, QListWidget* list1, NumberLocale locale);

    // Opens the window once: while it is open a further click only brings it to the front;
    // after it was closed the next click builds it anew.
    void HILFE_GERBER_PROTOKOLL_Click();
    void MENUE_HILFE_ZOLLmm_Click();
    void MENUE_HILFE_KENNDATEN_Click();

  private:
    QWidget* mainWindow_;
    QListWidget* list1_;
    NumberLocale locale_;
    QPointer<ReferenceWindow> window_;
};

}  // namespace zrv
