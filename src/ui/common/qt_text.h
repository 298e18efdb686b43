#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zrv {

// The program keeps UTF-8 in std::string; Qt wants QString.
inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace zrv
