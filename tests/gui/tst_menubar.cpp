// SPDX-License-Identifier: MIT
#include "commandhandlers.h"
#include "guitest.h"
#include "menubar1.h"
#include "scripteddialogs.h"
#include "winmain.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

class TestMenuBar : public QObject {
    Q_OBJECT

private:
    MenuBar1 &bar() const { return MenuBar1::instance(); }
    MenuItem *item(const char *name) const { return bar().item(QLatin1String(name)); }

private Q_SLOTS:
    void cleanup() { winMain::release(); }

    void holdsTheTwentyItemsInOrder_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("autoEnable");
        const auto row = [](const char *name, const char *menu, const char *text, const char *shortcut,
                            QKeySequence keys, QAction::MenuRole role, bool autoEnable) {
            QTest::newRow(name) << QString::fromLatin1(menu) << QString::fromLatin1(text)
                                << QString::fromLatin1(shortcut) << keys << int(role) << autoEnable;
        };
        using R = QAction;
        const QKeySequence none;
        row("FileMenu", "", "&File", "", none, R::NoRole, false);
        row("FileNewAttachment", "FileMenu", "&Add File...", "Cmd+N", QKeySequence("Ctrl+N"), R::NoRole, true);
        row("UntitledMenu4", "FileMenu", "-", "", none, R::NoRole, false);
        row("FileCloseWindow", "FileMenu", "&Close Window", "Cmd+W", QKeySequence("Ctrl+W"), R::NoRole, true);
        row("UntitledMenu3", "FileMenu", "-", "", none, R::NoRole, true);
        row("FilePreferences", "FileMenu", "&Preferences...", "", none, R::PreferencesRole, false);
        row("UntitledMenu2", "FileMenu", "-", "", none, R::NoRole, true);
        row("FileQuit", "FileMenu", "&Quit", "Cmd+Cmd+Q", QKeySequence("Ctrl+Q"), R::QuitRole, true);
        row("EditMenu", "", "&Edit", "", none, R::NoRole, false);
        row("EditUndo", "EditMenu", "&Undo", "Cmd+Z", QKeySequence("Ctrl+Z"), R::NoRole, false);
        row("UntitledMenu1", "EditMenu", "-", "", none, R::NoRole, false);
        row("EditCut", "EditMenu", "Cu&t", "Cmd+X", QKeySequence("Ctrl+X"), R::NoRole, false);
        row("EditCopy", "EditMenu", "&Copy", "Cmd+C", QKeySequence("Ctrl+C"), R::NoRole, false);
        row("EditPaste", "EditMenu", "&Paste", "Cmd+V", QKeySequence("Ctrl+V"), R::NoRole, false);
        row("EditClear", "EditMenu", "&Delete", "", none, R::NoRole, false);
        row("UntitledMenu0", "EditMenu", "-", "", none, R::NoRole, true);
        row("EditSelectAll", "EditMenu", "Select All", "Cmd+A", QKeySequence("Ctrl+A"), R::NoRole, false);
        row("HelpMenu", "", "&Help", "", none, R::NoRole, true);
        row("HelpHelp", "HelpMenu", "&Help...", "", none, R::NoRole, true);
        row("AppleAboutPostling", "HelpMenu", "About Notepack...", "", none, R::AboutRole, false);
    }

    void holdsTheTwentyItemsInOrder()
    {
        QFETCH(QString, menu);
        QFETCH(QString, text);
        QFETCH(QString, shortcut);
        QFETCH(QKeySequence, keys);
        QFETCH(int, role);
        QFETCH(bool, autoEnable);
        const QString name = QString::fromLatin1(QTest::currentDataTag());

        QCOMPARE(bar().items().size(), 20);
        MenuItem *found = bar().item(name);
        QVERIFY(found);
        QCOMPARE(found->text(), text);
        QCOMPARE(found->keyboardShortcut(), shortcut);
        QCOMPARE(found->shortcut(), keys);
        QCOMPARE(int(found->menuRole()), role);
        QCOMPARE(found->autoEnable(), autoEnable);
        QCOMPARE(found->isSeparator(), text == QLatin1String("-"));

        // Its place: a title on the bar, or an item of its menu in the order of the table.
        if (menu.isEmpty()) {
            QVERIFY(found->menu());
            QVERIFY(bar().actions().contains(found));
        } else {
            QMenu *owner = bar().item(menu)->menu();
            const QList<MenuItem *> &all = bar().items();
            const qsizetype titleAt = all.indexOf(bar().item(menu));
            QCOMPARE(owner->actions().indexOf(found), all.indexOf(found) - titleAt - 1);
        }
    }

    void enablingWithTheMainWindowInFront_data()
    {
        QTest::addColumn<bool>("enabled");
        for (const char *name : {"FileNewAttachment", "FileCloseWindow", "FileQuit", "EditSelectAll",
                                 "AppleAboutPostling"})
            QTest::newRow(name) << true;
        for (const char *name : {"FilePreferences", "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
            QTest::newRow(name) << false;
    }

    void enablingWithTheMainWindowInFront()
    {
        QFETCH(bool, enabled);
        winMain &window = winMain::instance();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        MenuItem *found = item(QTest::currentDataTag());

        // Worked out again before a menu shows, whatever was set in between.
        found->setEnabled(!enabled);
        for (MenuItem *title : {item("FileMenu"), item("EditMenu"), item("HelpMenu")})
            Q_EMIT title->menu()->aboutToShow();
        QCOMPARE(found->isEnabled(), enabled);
    }

    void menuTitlesStayEnabled()
    {
        bar().refreshEnabling();
        for (const char *name : {"FileMenu", "EditMenu", "HelpMenu"})
            QVERIFY2(item(name)->isEnabled(), name);
    }

    void handlerNamesIgnoreLetterCase_data()
    {
        QTest::addColumn<QString>("registered");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("found");
        QTest::newRow("same") << "FileCloseWindow" << "FileCloseWindow" << true;
        QTest::newRow("first letter") << "filecloseWindow" << "FileCloseWindow" << true;
        QTest::newRow("all upper") << "appleAboutPostling" << "APPLEABOUTPOSTLING" << true;
        QTest::newRow("other name") << "FileCloseWindow" << "FileClose" << false;
    }

    void handlerNamesIgnoreLetterCase()
    {
        QFETCH(QString, registered);
        QFETCH(QString, asked);
        QFETCH(bool, found);
        CommandHandlers handlers;
        int calls = 0;
        handlers.add(registered, [&calls] {
            ++calls;
            return true;
        });
        QCOMPARE(handlers.has(asked), found);
        QCOMPARE(handlers.invoke(asked), found);
        QCOMPARE(calls, found ? 1 : 0);
    }

    void closeWindowReachesTheMainWindowsLowerCaseHandler()
    {
        winMain &window = winMain::instance();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(window.commandHandlers().names().contains(QStringLiteral("filecloseWindow")));
        bar().dispatch(QStringLiteral("FileCloseWindow"));
        QVERIFY(!window.isVisible());
    }

    void windowHandlerComesBeforeTheApplications()
    {
        winMain &window = winMain::instance();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ScriptedDialogs dialogs;
        auto applicationCalls = std::make_shared<int>(0);
        App::instance().handlers().add(QStringLiteral("fileNewAttachment"), [applicationCalls] {
            ++*applicationCalls;
            return false;
        });
        // The window's handler reports "not handled", so the application's runs next.
        bar().dispatch(QStringLiteral("FileNewAttachment"));
        QCOMPARE(dialogs.fileRequests.size(), 1);
        QCOMPARE(*applicationCalls, 1);

        // With no window in front, only the application's handler is reached.
        window.hide();
        QTRY_VERIFY(!QApplication::activeWindow());
        bar().dispatch(QStringLiteral("FileNewAttachment"));
        QCOMPARE(dialogs.fileRequests.size(), 1);
        QCOMPARE(*applicationCalls, 2);
    }

    void shortcutsReachTheSameHandlers()
    {
        winMain &window = winMain::instance();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ScriptedDialogs dialogs;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("a.txt"));
        QFile(file).open(QIODevice::WriteOnly);
        dialogs.answerNextFileDialog(file);

        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(dialogs.fileRequests.size(), 1);
        QCOMPARE(window.findChild<QTreeWidget *>(QStringLiteral("ListBox1"))->topLevelItemCount(), 1);

        // Select All is enabled and does nothing.
        QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(window.isVisible());

        QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!window.isVisible());
    }

    void disabledItemsTakeNoShortcut()
    {
        winMain &window = winMain::instance();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto calls = std::make_shared<int>(0);
        App::instance().handlers().add(QStringLiteral("EditUndo"), [calls] {
            ++*calls;
            return false;
        });
        bar().refreshEnabling();
        QVERIFY(!item("EditUndo")->isEnabled());
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(*calls, 0);
    }

    void menusOpenFromTheKeyboard()
    {
        winMain &window = winMain::instance();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QPointer<QWidget> opened;
        QTimer::singleShot(0, [&opened] {
            opened = QApplication::activePopupWidget();
            if (opened)
                QTest::keyClick(opened, Qt::Key_Escape);
        });
        QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(opened);
        QCOMPARE(opened.data(), static_cast<QWidget *>(item("HelpMenu")->menu()));
    }

    void quitItemQuits()
    {
        winMain &window = winMain::instance();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTimer::singleShot(0, &window, [&window] { QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier); });
        QTimer failsafe;
        failsafe.setSingleShot(true);
        connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        failsafe.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

NOTEPACK_GUI_TEST_MAIN(TestMenuBar)
#include "tst_menubar.moc"
