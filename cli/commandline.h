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
    // standard error. rawArguments are the arguments as the system gave
    // them (argv), which file names are taken from.
    std::optional<PackerOptions> parse(const QStringList &arguments,
                                       const std::vector<std::string> &rawArguments);

private:
    static std::string rawFor(const QString &argument, const std::vector<std::string> &rawArguments,
                              std::size_t &from);
    void reportUsageError(const QString &problem) const;

    QCommandLineParser m_parser;
    QCommandLineOption m_output;
    QCommandLineOption m_category;
    QCommandLineOption m_quiet;
};
