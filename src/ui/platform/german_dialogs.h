#pragma once

#include <QTranslator>
#include <memory>

namespace zrv {

// Qt's own texts (standard buttons, the file and colour dialogs) in German, as every other
// text of the window, whatever the system's language. The translation stays installed while
// the returned translator lives; nothing when Qt's German translations are not installed.
std::unique_ptr<QTranslator> installGermanDialogs();

}  // namespace zrv
