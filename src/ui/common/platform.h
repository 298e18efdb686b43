#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "preview/view_choices.h"

namespace zrv {

// How a process start ended: the task id of the started program, or why it failed.
struct StartResult {
    std::int64_t taskId = 0;  // 0 when nothing was started
    bool notFound = false;    // the program does not exist
    std::string error;        // German description of the failure, shown as it is

    bool ok() const { return taskId > 0; }
};

// Everything the window asks of the desktop: dialogs, message boxes and outside programs.
// The window goes through this alone, so every flow can run with scripted answers.
class Platform {
  public:
    virtual ~Platform() = default;

    // An open-file dialog; the filter is in the original "text|pattern|text|pattern" form.
    // No answer when the user cancels.
    virtual std::optional<std::string> openFile(std::string_view title, std::string_view folder,
                                                std::string_view filter) = 0;

    // A save-file dialog, starting at `preset`; no answer when the user cancels.
    virtual std::optional<std::string> saveFile(std::string_view title, std::string_view preset,
                                                std::string_view filter) = 0;

    // A message box with one OK button.
    virtual void message(std::string_view text, std::string_view title) = 0;

    // A question with "Ja" and "Nein"; "Nein" is the default. True for "Ja".
    virtual bool ask(std::string_view question, std::string_view title) = 0;

    // A question with buttons of its own; `preset` is the default one. The index of the button
    // chosen, or no answer when the dialog is closed.
    virtual std::optional<std::size_t> choose(std::string_view text, std::string_view title,
                                              std::span<const std::string> buttons,
                                              std::size_t preset) = 0;

    // A text input box with a pre-filled answer; no answer when the user cancels.
    virtual std::optional<std::string> inputText(std::string_view prompt, std::string_view title,
                                                 std::string_view preset) = 0;

    // The colour dialog; no answer when the user cancels.
    virtual std::optional<Colour> chooseColour(Colour preset) = 0;

    // Starts `program` with `argument` as its one argument (never split, never through a
    // shell) and does not wait for it.
    virtual StartResult startProcess(std::string_view program, std::string_view argument) = 0;

    // Confirms that the program started with this task id still runs (and raises it where the
    // desktop allows that).
    virtual bool bringToFront(std::int64_t taskId) = 0;
};

}  // namespace zrv
