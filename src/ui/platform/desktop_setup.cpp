#include "ui/platform/desktop_setup.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "base/file_names.h"
#include "ui/common/qt_text.h"

namespace zrv {

namespace {

char asciiSign(const QString& sign, char fallback) {
    if (sign.size() == 1 && sign.front().unicode() < 0x80 && sign.front().isPrint()) {
        return static_cast<char>(sign.front().unicode());
    }
    return fallback;
}

}  // namespace

NumberLocale numberLocaleOf(const QLocale& locale) {
    const char decimal = asciiSign(locale.decimalPoint(), '.');
    const char otherSign = decimal == ',' ? '.' : ',';
    const char grouping = asciiSign(locale.groupSeparator(), otherSign);
    return {decimal, grouping == decimal ? otherSign : grouping};
}

std::string drawingArgument(const QStringList& arguments) {
    if (arguments.size() != 2) {
        return {};
    }
    const QFileInfo file(arguments[1]);
    const QString suffix = file.suffix().toLower();
    const std::string path = utf8(file.absoluteFilePath());
    if ((suffix != QStringLiteral("zrv") && suffix != QStringLiteral("zrv7")) ||
        !holdsBytes(path)) {
        return {};
    }
    return path;
}

WindowSetup desktopSetup(const QStringList& arguments) {
    WindowSetup setup;
    setup.folder = programFolder(fileSystemPath(utf8(QCoreApplication::applicationDirPath())),
                                 userFoldersFromEnvironment());
    setup.commandLine = utf8(arguments.mid(1).join(QLatin1Char(' ')));
    setup.drawingToOpen = drawingArgument(arguments);
    setup.programName = utf8(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    setup.locale = numberLocaleOf(QLocale::system());
    return setup;
}

}  // namespace zrv
