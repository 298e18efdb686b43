#include "ui/desktop_setup.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "base/file_names.h"
#include "ui/qt_text.h"

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

WindowSetup desktopSetup(const QStringList& arguments) {
    WindowSetup setup;
    setup.folder = programFolder(fileSystemPath(utf8(QCoreApplication::applicationDirPath())),
                                 userFoldersFromEnvironment());
    setup.commandLine = utf8(arguments.mid(1).join(QLatin1Char(' ')));
    setup.programName = utf8(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    setup.locale = numberLocaleOf(QLocale::system());
    return setup;
}

}  // namespace zrv
