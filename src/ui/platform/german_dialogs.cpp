#include "ui/platform/german_dialogs.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace zrv {

std::unique_ptr<QTranslator> installGermanDialogs() {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return nullptr;
    }
    return translator;
}

}  // namespace zrv
