// SPDX-License-Identifier: MIT
#pragma once

#include "packeroptions.h"

#include <QCommandLineParser>

#include <optional>

// Reads notepack-cli's arguments. --help and --version are answered here.
class CommandLine {
public:
    CommandLine();

    // The options, or nothing after a usage error has been reported on
    // standard error.
    std::optional<PackerOptions> parse(const QStringList &arguments);

private:
    void reportUsageError(const QString &problem) const;

    QCommandLineParser m_parser;
    QCommandLineOption m_output;
    QCommandLineOption m_category;
    QCommandLineOption m_quiet;
};
