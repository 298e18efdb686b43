#pragma once

#include <QListWidget>
#include <QStringList>
#include <span>
#include <string>
#include <string_view>

#include "ui/common/qt_text.h"

namespace zrv {

// The texts as list lines.
template <class Text>
QStringList listLines(std::span<const Text> texts) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(texts.size()));
    for (const Text& text : texts) {
        lines.append(qs(text));
    }
    return lines;
}

// Empties the list and shows these lines from the top; nothing accumulates.
inline void replaceListLines(QListWidget* list, const QStringList& lines) {
    list->clear();
    list->addItems(lines);
    list->scrollToTop();
}

}  // namespace zrv
