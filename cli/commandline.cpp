// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "archiveformat.h"
#include "windows1252.h"

#include <QCoreApplication>

#include <cstdio>

CommandLine::CommandLine()
    : m_output({QStringLiteral("o"), QStringLiteral("output")},
               QCoreApplication::translate("CommandLine", "Write the archive to ARCHIVE (default archive.mpa)."),
               QStringLiteral("ARCHIVE"), QStringLiteral("archive.mpa"))
    , m_category(QStringLiteral("category"),
                 QCoreApplication::translate("CommandLine",
                                             "Name the archive's category NAME (default test): 1 to 15 "
                                             "characters that Windows-1252 can hold. The handheld files "
                                             "the memos under the category of that name."),
                 QStringLiteral("NAME"), QStringLiteral("test"))
    , m_quiet({QStringLiteral("q"), QStringLiteral("quiet")},
              QCoreApplication::translate("CommandLine", "Print no progress and no warnings, only errors."))
{
    m_parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Packs text files into one Memo Pad archive, one memo a file, in the order "
                       "given. Folders are walked in name order; hidden files are left out."));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOptions({m_output, m_category, m_quiet});
    m_parser.addPositionalArgument(QStringLiteral("PATH"),
                                   QCoreApplication::translate("CommandLine", "Text files and folders to pack."),
                                   QStringLiteral("PATH..."));
}

std::optional<PackerOptions> CommandLine::parse(const QStringList &arguments)
{
    if (!m_parser.parse(arguments)) {
        reportUsageError(m_parser.errorText());
        return std::nullopt;
    }
    if (m_parser.isSet(QStringLiteral("help")))
        m_parser.showHelp(0);
    if (m_parser.isSet(QStringLiteral("version")))
        m_parser.showVersion();

    PackerOptions options;
    options.inputs = m_parser.positionalArguments();
    options.archive = m_parser.value(m_output);
    options.quiet = m_parser.isSet(m_quiet);

    const QString category = m_parser.value(m_category);
    const std::optional<std::string> encoded = notepack::toWindows1252Exactly(category.toStdString());
    if (!encoded || encoded->empty() || encoded->size() > notepack::kMaxCategoryNameLength) {
        reportUsageError(QCoreApplication::translate(
                             "CommandLine", "the category must be 1 to 15 characters that "
                                            "Windows-1252 can hold, not \"%1\".")
                             .arg(category));
        return std::nullopt;
    }
    options.category = *encoded;

    if (options.inputs.isEmpty()) {
        reportUsageError(QCoreApplication::translate("CommandLine", "no file or folder to pack."));
        return std::nullopt;
    }
    if (options.archive.isEmpty()) {
        reportUsageError(QCoreApplication::translate("CommandLine", "the archive's name is empty."));
        return std::nullopt;
    }
    return options;
}

void CommandLine::reportUsageError(const QString &problem) const
{
    const QString program = QCoreApplication::applicationName();
    std::fprintf(stderr, "%s: %s\nUsage: %s [-o ARCHIVE] [--category NAME] [--quiet] PATH...\n"
                         "Try '%s --help' for more information.\n",
                 qPrintable(program), qPrintable(problem), qPrintable(program), qPrintable(program));
}
