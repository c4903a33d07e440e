// RecordText.h — record text in the windows. The records hold Windows-1252 bytes; every text that
// holds record text (a box, a grid cell, a node caption, a listing line) crosses into Qt here.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "model/Text.h"

namespace kelpie {

inline QString ShownText(std::string_view record)
{
    return QString::fromStdString(Utf8FromWindows1252(record));
}

inline std::string RecordText(const QString& shown)
{
    return Windows1252FromUtf8(shown.toStdString());
}

}  // namespace kelpie
