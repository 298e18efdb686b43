#pragma once

#include "base/host.h"
#include "job/dump.h"
#include "ui/common/operation_queue.h"
#include "ui/common/platform.h"
#include "ui/common/window_state.h"
#include "ui/controls/controls.h"

namespace zrv {

// The developer menu's text files, each opened in the text editor once written: the hex dump
// of the drawing (read again from disk first) and the milling data export.
class DeveloperExports {
  public:
    DeveloperExports(WindowState& state, Controls& controls, Platform& platform, Host& host,
                     OperationQueue& queue, const WindowSetup& setup);

    // MENUE_ANALYSE_DATEI_Click (horizontal) and MENUE_ANALYSE_DATEI_VERTIKAL_Click
    void dump(DumpLayout layout);
    void MENUE_EXPORT_DATEN_FRAESUNGEN_Click();

  private:
    void dumpReloaded(DumpLayout layout);
    void exportMilling();
    void showWritten(const std::string& path);

    WindowState& state_;
    Controls& controls_;
    Platform& platform_;
    Host& host_;
    OperationQueue& queue_;
    const WindowSetup& setup_;
};

}  // namespace zrv
