#pragma once

#include "data/NameDecoding.h"

#include <QString>

#include <string_view>

// A record's text as it is shown and printed: names read in the encoding in
// force, the values' plain ASCII as it is.
inline QString NameText(std::string_view bytes)
{
    return QString::fromStdString(NameUtf8(bytes));
}
