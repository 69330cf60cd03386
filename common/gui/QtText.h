#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kovrel {

// Core texts are UTF-8; these are the only crossings into and out of Qt's strings.
inline QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string Utf8(const QString& text) {
    return text.toStdString();
}

} // namespace kovrel
