// SPDX-License-Identifier: MIT
#pragma once

#include "commandhandlers.h"
#include "commandtarget.h"

#include <QApplication>

class MenuItem;

// The application object: documents handed over by the system, errors that
// no handler caught, and the commands that work whichever window is in front.
class App : public QApplication, public CommandTarget {
    Q_OBJECT
public:
    App(int &argc, char **argv);
    ~App() override;

    static App &instance();

    CommandHandlers &handlers() { return m_handlers; }
    const CommandHandlers &commandHandlers() const override { return m_handlers; }
    void enableMenuItems(MenuBar1 &menuBar) override;
    // The About item of the menu bar, looked up afresh each time.
    MenuItem *AppleAboutPostling() const;

    void Open();
    void OpenDocument(const QString &path);
    bool UnhandledException();

    bool _appleAboutPostling_Action();
    bool _HelpHelp_Action();

    bool notify(QObject *receiver, QEvent *event) override;

protected:
    bool event(QEvent *event) override;

private:
    CommandHandlers m_handlers;
    bool m_reportingError = false;
};
