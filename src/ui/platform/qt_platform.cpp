#include "ui/platform/qt_platform.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <vector>

#include "settings/command_lines.h"
#include "ui/common/qt_text.h"
#include "ui/platform/dialog_filter.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#endif

namespace zrv {

namespace {

bool programExists(const QString& program) {
    if (program.contains('/') || program.contains('\\')) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable();
    }
    return !QStandardPaths::findExecutable(program).isEmpty();
}

bool processRuns(std::int64_t taskId) {
#ifdef _WIN32
    HANDLE process =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(taskId));
    if (process == nullptr) {
        return false;
    }
    DWORD code = 0;
    const bool runs = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return runs;
#else
    return ::kill(static_cast<pid_t>(taskId), 0) == 0;
#endif
}

}  // namespace

std::optional<std::string> QtPlatform::openFile(std::string_view title, std::string_view folder,
                                                std::string_view filter) {
    const QString path =
        QFileDialog::getOpenFileName(parent_, qs(title), qs(folder), qs(qtFileFilter(filter)));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return utf8(path);
}

std::optional<std::string> QtPlatform::saveFile(std::string_view title, std::string_view preset,
                                                std::string_view filter) {
    QString chosen;
    const QString path = QFileDialog::getSaveFileName(parent_, qs(title), qs(preset),
                                                      qs(qtFileFilter(filter)), &chosen);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return withChosenExtension(utf8(path), utf8(chosen));
}

void QtPlatform::message(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::NoIcon, qs(title), qs(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtPlatform::ask(std::string_view question, std::string_view title) {
    QMessageBox box(QMessageBox::Question, qs(title), qs(question),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::size_t> QtPlatform::choose(std::string_view text, std::string_view title,
                                              std::span<const std::string> buttons,
                                              std::size_t preset) {
    QMessageBox box(QMessageBox::Question, qs(title), qs(text), QMessageBox::NoButton, parent_);
    std::vector<QAbstractButton*> added;
    for (const std::string& caption : buttons) {
        added.push_back(box.addButton(qs(caption), QMessageBox::ActionRole));
    }
    if (preset < added.size()) {
        box.setDefaultButton(static_cast<QPushButton*>(added[preset]));
    }
    box.exec();
    for (std::size_t i = 0; i < added.size(); ++i) {
        if (box.clickedButton() == added[i]) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> QtPlatform::inputText(std::string_view prompt, std::string_view title,
                                                 std::string_view preset) {
    bool accepted = false;
    const QString answer = QInputDialog::getText(parent_, qs(title), qs(prompt), QLineEdit::Normal,
                                                 qs(preset), &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return utf8(answer);
}

std::optional<Colour> QtPlatform::chooseColour(Colour preset) {
    const QColor chosen =
        QColorDialog::getColor(QColor(red(preset), green(preset), blue(preset)), parent_);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return rgb(static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
               static_cast<std::uint8_t>(chosen.blue()));
}

StartResult QtPlatform::startProcess(std::string_view program, std::string_view argument) {
    const QString programText = qs(program);
    if (!programExists(programText)) {
        return {0, true, "Programm nicht gefunden: " + std::string(program)};
    }
    qint64 pid = 0;
    if (!QProcess::startDetached(programText, {qs(argument)}, QString(), &pid) || pid <= 0) {
        return {
            0, false,
            "Programm konnte nicht gestartet werden: " + outsideCommand(program, argument).text};
    }
    return {pid, false, {}};
}

bool QtPlatform::bringToFront(std::int64_t taskId) {
    return taskId > 0 && processRuns(taskId);
}

}  // namespace zrv
