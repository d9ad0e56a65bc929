// SPDX-License-Identifier: MIT
// notepack-cli: the packer of the Notepack window, from the command line.
#include "commandline.h"
#include "notepackversion.h"
#include "packer.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("notepack-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(notepack::version::kText));

    CommandLine commandLine;
    const std::vector<std::string> rawArguments(argv, argv + argc);
    const std::optional<PackerOptions> options = commandLine.parse(QCoreApplication::arguments(), rawArguments);
    if (!options)
        return 2;
    return Packer(*options).run();
}
