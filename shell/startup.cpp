// SPDX-License-Identifier: MIT
#include "startup.h"

#include "aboutwindow.h"
#include "app.h"
#include "filetypes.h"
#include "instancechannel.h"
#include "notepackversion.h"
#include "pictures.h"
#include "menubar1.h"
#include "winhelp.h"
#include "winmain.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <variant>

namespace startup {
namespace {

std::unique_ptr<App> application;

// The documents named on the command line, or the exit status when the
// arguments asked for help or the version, or were wrong. The parser's own
// process() would exit() from inside, with the application object alive.
std::variant<QStringList, int> documentsNamedIn(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Packs text files into a Memo Pad archive."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("PATH"), QStringLiteral("Files and folders to list."),
                                 QStringLiteral("[PATH...]"));
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return parser.positionalArguments();
}

// Relative paths mean the starting process's working folder, which a running
// Notepack does not share.
QStringList absolutePaths(const QStringList &paths)
{
    QStringList absolute;
    for (const QString &path : paths)
        absolute.append(QFileInfo(path).absoluteFilePath());
    return absolute;
}

} // namespace

void _InitFileTypes()
{
    FileTypes::_Initialize();
}

void _NewAppInstance(int &argc, char **argv)
{
    application = std::make_unique<App>(argc, argv);
    QApplication::setWindowIcon(QIcon(Pictures::masked(Pictures::AboutIcon, Pictures::AboutMask)));
    MenuBar1::instance().setApplicationTarget(application.get());
}

void _ApplicationAddMenuHandlers()
{
    App &app = App::instance();
    app.handlers().add(QStringLiteral("appleAboutPostling"), [&app] { return app._appleAboutPostling_Action(); });
    app.handlers().add(QStringLiteral("HelpHelp"), [&app] { return app._HelpHelp_Action(); });
}

void _MakeDefaultView()
{
    winMain::instance();
}

void handOverDocuments(const QStringList &arguments)
{
    for (const QString &document : absolutePaths(arguments))
        QCoreApplication::postEvent(QCoreApplication::instance(), new QFileOpenEvent(document));
}

void takeDocumentsFrom(InstanceChannel &channel)
{
    QObject::connect(&channel, &InstanceChannel::documentsReceived, [](const QStringList &documents) {
        handOverDocuments(documents);
        winMain &window = winMain::instance();
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
}

void shutDown()
{
    delete AboutWindow::existing();
    delete winHelp::existing();
    winMain::release();
    Pictures::release();
    FileTypes::release();
    MenuBar1::release();
    application.reset();
}

int _Main(int argc, char **argv)
{
    _InitFileTypes();
    _NewAppInstance(argc, argv);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(notepack::version::kText));
    const std::variant<QStringList, int> request = documentsNamedIn(QCoreApplication::arguments());
    if (const int *status = std::get_if<int>(&request)) {
        shutDown();
        return *status;
    }
    const QStringList &documents = std::get<QStringList>(request);
    InstanceChannel channel(InstanceChannel::defaultSocketPath());
    if (channel.handOver(absolutePaths(documents))) {
        shutDown();
        return 0;
    }
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
    handOverDocuments(documents);
    channel.listen();
    takeDocumentsFrom(channel);
    QTimer::singleShot(0, application.get(), &App::Open);

    const int status = QCoreApplication::exec();
    shutDown();
    return status;
}

} // namespace startup
