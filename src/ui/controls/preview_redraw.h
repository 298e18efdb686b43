#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "ui/common/window_state.h"
#include "ui/controls/controls.h"

namespace zrv {

// Redraw requests and the one-shot Timer_ZEICHNEN: requests that arrive before the tick give
// one drawing pass at that tick; the picture stays blank from the first request until then.
class PreviewRedraw final : public QObject {
    Q_OBJECT

  public:
    PreviewRedraw(QTimer* timer, Controls& controls, Menus& menus, WindowState& state,
                  NumberLocale locale, std::function<bool()> storeBusy, QObject* parent);

    // MENUE_ZEICHNEN_Click
    void request();

  signals:
    void drawn();  // after each pass

  private:
    void tick();  // Timer_ZEICHNEN_Timer

    QTimer* timer_;
    Controls& controls_;
    Menus& menus_;
    WindowState& state_;
    NumberLocale locale_;
    std::function<bool()> storeBusy_;
};

}  // namespace zrv
