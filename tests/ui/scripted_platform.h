#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/common/platform.h"

namespace zrv {

// A desktop for tests: answers come from queues (an empty queue answers "cancelled"), and
// every call is recorded in order.
class ScriptedPlatform final : public Platform {
  public:
    struct Call {
        std::string kind;  // "openFile", "message", "ask", "choose", "inputText", "chooseColour",
                           // "startProcess", "bringToFront"
        std::vector<std::string> args;
    };

    std::optional<std::string> openFile(std::string_view title, std::string_view folder,
                                        std::string_view filter) override;
    std::optional<std::string> saveFile(std::string_view title, std::string_view preset,
                                        std::string_view filter) override;
    void message(std::string_view text, std::string_view title) override;
    bool ask(std::string_view question, std::string_view title) override;
    std::optional<std::size_t> choose(std::string_view text, std::string_view title,
                                      std::span<const std::string> buttons,
                                      std::size_t preset) override;
    std::optional<std::string> inputText(std::string_view prompt, std::string_view title,
                                         std::string_view preset) override;
    std::optional<Colour> chooseColour(Colour preset) override;
    StartResult startProcess(std::string_view program, std::string_view argument) override;
    bool bringToFront(std::int64_t taskId) override;

    // The texts of every message box, in order.
    std::vector<std::string> messages() const;
    // The calls of one kind, in order.
    std::vector<Call> callsOf(std::string_view kind) const;

    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::optional<Colour>> colourAnswers;
    std::deque<StartResult> startResults;  // empty: every start succeeds with a new task id
    std::deque<bool> frontResults;         // empty: the task still runs
    std::deque<bool> askAnswers;           // empty: "Nein", the default
    std::deque<std::optional<std::size_t>> chooseAnswers;  // empty: closed, no answer
    std::vector<Call> calls;
    // Runs once inside the next open dialog, as clicks made while it is open would.
    std::function<void()> duringOpenFile;

  private:
    std::int64_t nextTaskId_ = 1000;
};

}  // namespace zrv
