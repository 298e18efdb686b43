#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/common/platform.h"
#include "ui/common/window_state.h"

namespace zrv {

// Starts the text editor with a file; a start that fails is shown with its description.
void startEditor(Platform& platform, std::string_view editor, std::string_view file,
                 std::string_view messageTitle);

// The outside programs: choosing their paths, the text editor with a chosen file, the Zirva
// editor with the drawing and the CNC sender with the drawing's G-code file.
class OutsidePrograms {
  public:
    OutsidePrograms(WindowState& state, Platform& platform, const WindowSetup& setup,
                    std::function<void()> endProgram);

    // MENUE_PROGRAMM_ZIRVA40_Click and its siblings: a cancelled dialog keeps the path.
    void choose(std::string& programPath);
    // MENUE_PROGRAMM_EDITOR_Click: the dialog always opens in the system's root folder.
    void chooseEditor();
    void MENUE_EDIT_DATEI_Click();
    void MENUE_ZIRVA_Click();
    void MENUE_CNC_Click();

  private:
    void chooseProgram(std::string& programPath, std::string_view folder);
    void message(std::string_view text);
    bool programUpToDate(const std::string& program);

    WindowState& state_;
    Platform& platform_;
    const WindowSetup& setup_;
    std::function<void()> endProgram_;
};

}  // namespace zrv
