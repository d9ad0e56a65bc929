// SPDX-License-Identifier: MIT
#pragma once

#include "filenamecodec.h"

#include <QString>

#include <string>

// File names between the archive core (bytes) and the window (text), without
// losing a byte of a name that is not valid UTF-8 on the way.
inline QString fileNameText(const std::string &bytes)
{
    return QString::fromStdU16String(notepack::decodeFileName(bytes));
}

inline std::string fileNameBytes(const QString &text)
{
    return notepack::encodeFileName(text.toStdU16String());
}
