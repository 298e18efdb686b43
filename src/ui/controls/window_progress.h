#pragma once

#include <QMainWindow>
#include <string>

#include "base/host.h"
#include "ui/common/platform.h"
#include "ui/controls/controls.h"
#include "ui/controls/preview_redraw.h"

namespace zrv {

// The core's progress, messages and events as the window shows them: List1 and message boxes;
// the share of a long operation in the title, the version read as the caption of the ZIRVA menu,
// an unknown drill travel as "?" in its label, an invalid preview cleared and a changed store
// drawn anew.
class WindowProgress final : public Progress {
  public:
    WindowProgress(QMainWindow& window, Controls& controls, Menus& menus, Platform& platform,
                   PreviewRedraw& redraw, std::string messageTitle);

    void addLine(std::string_view line) override;
    void clearLines() override;
    void showMessage(std::string_view text) override;
    void processEvents() override;
    void step(std::string_view howFar) override;
    void versionRead(std::string_view tag) override;
    void drillTravelUnknown() override;
    void previewInvalid() override;
    void storeChanged() override;

  private:
    QMainWindow& window_;
    Controls& controls_;
    Menus& menus_;
    Platform& platform_;
    PreviewRedraw& redraw_;
    std::string messageTitle_;
};

}  // namespace zrv
