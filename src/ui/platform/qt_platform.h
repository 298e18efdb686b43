#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/common/platform.h"

namespace zrv {

// The desktop as Qt offers it: standard dialogs and detached processes.
class QtPlatform final : public Platform {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }

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

  private:
    QPointer<QWidget> parent_;
};

}  // namespace zrv
