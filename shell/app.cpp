// SPDX-License-Identifier: MIT
#include "app.h"

#include "aboutwindow.h"
#include "dialogs.h"
#include "menubar1.h"
#include "unhandlederrors.h"
#include "winhelp.h"
#include "winmain.h"

#include <QFileOpenEvent>
#include <QScopedValueRollback>

App::App(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("notepack"));
    setApplicationDisplayName(QStringLiteral("Notepack"));
    // Ties the windows to the desktop entry (the app id on Wayland).
    setDesktopFileName(QStringLiteral("io.github.notepack.Notepack"));
    UnhandledErrors::setReporter([this] { UnhandledException(); });
}

App::~App()
{
    UnhandledErrors::setReporter({});
}

App &App::instance()
{
    return *static_cast<App *>(QCoreApplication::instance());
}

MenuItem *App::AppleAboutPostling() const
{
    return MenuBar1::instance().item(QStringLiteral("AppleAboutPostling"));
}

void App::enableMenuItems(MenuBar1 &menuBar)
{
    (void)menuBar;
    if (MenuItem *about = AppleAboutPostling())
        about->setEnabled(true);
}

void App::Open()
{
    setQuitOnLastWindowClosed(true);
}

void App::OpenDocument(const QString &path)
{
    winMain &window = winMain::instance();
    window.ReadFolderItem(path);
    window.updatefilecount();
}

bool App::_appleAboutPostling_Action()
{
    AboutWindow::instance().Show(true);
    return false;
}

bool App::_HelpHelp_Action()
{
    winHelp &help = winHelp::instance();
    help.show();
    help.raise();
    help.activateWindow();
    return false;
}

bool App::UnhandledException()
{
    // An error while the message is up must not stack a second message.
    if (m_reportingError)
        return false;
    QScopedValueRollback reporting(m_reportingError, true);
    Dialogs::current().showMessage(activeWindow(), QStringLiteral("An unhandled Exeption has occured"));
    return false;
}

bool App::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        UnhandledException();
        return false;
    }
}

bool App::event(QEvent *event)
{
    if (event->type() == QEvent::FileOpen) {
        UnhandledErrors::guard([&] { OpenDocument(static_cast<QFileOpenEvent *>(event)->file()); });
        return true;
    }
    return QApplication::event(event);
}
