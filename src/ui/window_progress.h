#pragma once

#include <QMainWindow>
#include <string>

#include "base/host.h"
#include "ui/controls.h"
#include "ui/platform.h"
#include "ui/preview_redraw.h"

namespace zrv {

// The core's progress and messages as the window shows them: List1, message boxes, the
// title, the version caption of the ZIRVA menu, the drill travel label and the preview.
class WindowProgress final : public Progress {
  public:
    WindowProgress(QMainWindow& window, Controls& controls, Menus& menus, Platform& platform,
                   PreviewRedraw& redraw, std::string messageTitle);

    void addLine(std::string_view line) override;
    void clearLines() override;
    void showMessage(std::string_view text) override;
    void processEvents() override;
    void setTitle(std::string_view title) override;
    void setVersionCaption(std::string_view tag) override;
    void setDrillTravelLabel(std::string_view text) override;
    void clearPreview() override;
    void requestRedraw() override;

  private:
    QMainWindow& window_;
    Controls& controls_;
    Menus& menus_;
    Platform& platform_;
    PreviewRedraw& redraw_;
    std::string messageTitle_;
};

}  // namespace zrv
