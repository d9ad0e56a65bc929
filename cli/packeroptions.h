// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <string>

// What the command line asks notepack-cli to do.
struct PackerOptions {
    QStringList inputs;             // files and folders, in argument order
    QString archive = QStringLiteral("archive.mpa");
    std::string category = "test";  // Windows-1252
    bool quiet = false;
};
