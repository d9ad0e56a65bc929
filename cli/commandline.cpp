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

std::optional<PackerOptions> CommandLine::parse(const QStringList &arguments,
                                                const std::vector<std::string> &rawArguments)
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
    std::size_t from = 1;
    for (const QString &input : m_parser.positionalArguments())
        options.inputs.push_back(rawFor(input, rawArguments, from));
    from = 1;
    options.archive = rawFor(m_parser.value(m_output), rawArguments, from);
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

    if (options.inputs.empty()) {
        reportUsageError(QCoreApplication::translate("CommandLine", "no file or folder to pack."));
        return std::nullopt;
    }
    if (options.archive.empty()) {
        reportUsageError(QCoreApplication::translate("CommandLine", "the archive's name is empty."));
        return std::nullopt;
    }
    return options;
}

// Qt decodes the arguments as UTF-8, and a name that is not would come back
// with a replacement character in place of its bytes. The raw argument that
// decodes to the same text, taken in order, has the name's real bytes.
std::string CommandLine::rawFor(const QString &argument, const std::vector<std::string> &rawArguments,
                                std::size_t &from)
{
    for (std::size_t i = from; i < rawArguments.size(); ++i) {
        const std::string &raw = rawArguments[i];
        if (QString::fromLocal8Bit(raw.data(), static_cast<qsizetype>(raw.size())) == argument) {
            from = i + 1;
            return raw;
        }
        // "--output=NAME" carries the value inside the argument.
        const std::size_t equals = raw.find('=');
        if (raw.starts_with("--") && equals != std::string::npos &&
            QString::fromLocal8Bit(raw.data() + equals + 1, static_cast<qsizetype>(raw.size() - equals - 1)) == argument) {
            from = i + 1;
            return raw.substr(equals + 1);
        }
    }
    return argument.toStdString();
}

void CommandLine::reportUsageError(const QString &problem) const
{
    const QString program = QCoreApplication::applicationName();
    std::fprintf(stderr, "%s: %s\nUsage: %s [-o ARCHIVE] [--category NAME] [--quiet] PATH...\n"
                         "Try '%s --help' for more information.\n",
                 qPrintable(program), qPrintable(problem), qPrintable(program), qPrintable(program));
}
