#include "ui/scripted_platform.h"

#include <utility>

namespace zrv {

namespace {

template <class T>
std::optional<T> takeAnswer(std::deque<std::optional<T>>& answers) {
    if (answers.empty()) {
        return std::nullopt;
    }
    std::optional<T> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

}  // namespace

std::optional<std::string> ScriptedPlatform::openFile(std::string_view title,
                                                      std::string_view folder,
                                                      std::string_view filter) {
    calls.push_back({"openFile", {std::string(title), std::string(folder), std::string(filter)}});
    if (duringOpenFile) {
        std::exchange(duringOpenFile, nullptr)();
    }
    return takeAnswer(fileAnswers);
}

// The save dialog takes its answers from the same queue as the open dialog.
std::optional<std::string> ScriptedPlatform::saveFile(std::string_view title,
                                                      std::string_view preset,
                                                      std::string_view filter) {
    calls.push_back({"saveFile", {std::string(title), std::string(preset), std::string(filter)}});
    return takeAnswer(fileAnswers);
}

void ScriptedPlatform::message(std::string_view text, std::string_view title) {
    calls.push_back({"message", {std::string(text), std::string(title)}});
}

bool ScriptedPlatform::ask(std::string_view question, std::string_view title) {
    calls.push_back({"ask", {std::string(question), std::string(title)}});
    if (askAnswers.empty()) {
        return false;
    }
    const bool yes = askAnswers.front();
    askAnswers.pop_front();
    return yes;
}

// Recorded as the text, the title, the buttons and "preset=N".
std::optional<std::size_t> ScriptedPlatform::choose(std::string_view text, std::string_view title,
                                                    std::span<const std::string> buttons,
                                                    std::size_t preset) {
    Call call{"choose", {std::string(text), std::string(title)}};
    call.args.insert(call.args.end(), buttons.begin(), buttons.end());
    call.args.push_back("preset=" + std::to_string(preset));
    calls.push_back(std::move(call));
    return takeAnswer(chooseAnswers);
}

std::optional<std::string> ScriptedPlatform::inputText(std::string_view prompt,
                                                       std::string_view title,
                                                       std::string_view preset) {
    calls.push_back({"inputText", {std::string(prompt), std::string(title), std::string(preset)}});
    return takeAnswer(inputAnswers);
}

std::optional<Colour> ScriptedPlatform::chooseColour(Colour preset) {
    calls.push_back({"chooseColour", {std::to_string(preset)}});
    return takeAnswer(colourAnswers);
}

StartResult ScriptedPlatform::startProcess(std::string_view program, std::string_view argument) {
    calls.push_back({"startProcess", {std::string(program), std::string(argument)}});
    if (startResults.empty()) {
        return {nextTaskId_++, false, {}};
    }
    StartResult result = startResults.front();
    startResults.pop_front();
    return result;
}

bool ScriptedPlatform::bringToFront(std::int64_t taskId) {
    calls.push_back({"bringToFront", {std::to_string(taskId)}});
    if (frontResults.empty()) {
        return true;
    }
    const bool runs = frontResults.front();
    frontResults.pop_front();
    return runs;
}

std::vector<std::string> ScriptedPlatform::messages() const {
    std::vector<std::string> texts;
    for (const Call& call : calls) {
        if (call.kind == "message") {
            texts.push_back(call.args.front());
        }
    }
    return texts;
}

std::vector<ScriptedPlatform::Call> ScriptedPlatform::callsOf(std::string_view kind) const {
    std::vector<Call> found;
    for (const Call& call : calls) {
        if (call.kind == kind) {
            found.push_back(call);
        }
    }
    return found;
}

}  // namespace zrv
