// SPDX-License-Identifier: MIT
#include "filelist.h"
#include "guitest.h"
#include "mainwindowharness.h"

#include <QTemporaryDir>

class TestListMenu : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<guitest::MainWindowHarness> m_run;
    winMain *m_window = nullptr;
    FileList *m_list = nullptr;

    // Lists files named by the letters, in that order.
    void listFiles(const QString &names)
    {
        QStringList paths;
        for (const QChar name : names)
            paths.append(guitest::writeFile(m_folder->filePath(name)));
        QVERIFY(guitest::dropUrls(m_list->viewport(), guitest::fileUrls(paths)));
    }
    QString shown() const
    {
        QString names;
        for (int row = 0; row < m_list->rowCount(); ++row)
            names += m_list->cell(row, 0);
        return names;
    }
    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (int row = 0; row < m_list->rowCount(); ++row) {
            if (m_list->topLevelItem(row)->isSelected())
                rows.append(row);
        }
        return rows;
    }
    void select(const QList<int> &rows)
    {
        m_list->clearSelection();
        for (int row : rows)
            m_list->setRowSelected(row, true);
    }
    QPoint rowCenter(int row) const { return m_list->visualItemRect(m_list->topLevelItem(row)).center(); }
    void rightClick(int row) { QTest::mouseClick(m_list->viewport(), Qt::RightButton, {}, rowCenter(row)); }
    void chooseOnRow(int row, const QString &text)
    {
        guitest::chooseFromNextMenu(text);
        rightClick(row);
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_run = std::make_unique<guitest::MainWindowHarness>();
        m_window = m_run->window;
        m_list = m_run->list;
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup() { m_run.reset(); }

    void menuHoldsThreeCommandsBetweenSeparators()
    {
        const auto *menu = m_window->findChild<QMenu *>(QStringLiteral("ContextualMenu1"));
        QVERIFY(menu);
        QStringList items;
        for (const QAction *action : menu->actions())
            items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(items, QStringList({"Sort List", "-", "Delete Item", "-", "Clear List"}));
    }

    void contextualClickMovesTheSelectionToTheRow_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<QList<int>>("whileMenuIsUp");
        QTest::newRow("row 1 selected") << QList<int>{1} << QList<int>{3};
        QTest::newRow("rows 1 and 2 selected") << QList<int>{1, 2} << QList<int>{2, 3};
        QTest::newRow("nothing selected") << QList<int>{} << QList<int>{3};
    }

    void contextualClickMovesTheSelectionToTheRow()
    {
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, whileMenuIsUp);
        listFiles(QStringLiteral("abcde"));
        select(before);
        QList<int> seen;
        bool menuUp = false;
        guitest::chooseFromNextMenu(QString(), [&](QMenu *) {
            menuUp = true;
            seen = selectedRows();
        });
        rightClick(3);
        QVERIFY(menuUp);
        QCOMPARE(seen, whileMenuIsUp);
        // Dismissed: nothing else changes.
        QCOMPARE(shown(), QStringLiteral("abcde"));
    }

    void primaryClickNeverOpensTheMenu()
    {
        listFiles(QStringLiteral("abc"));
        bool menuUp = false;
        guitest::chooseFromNextMenu(QString(), [&menuUp](QMenu *) { menuUp = true; });
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, rowCenter(1));
        QTest::qWait(20);
        QVERIFY(!menuUp);
        QCOMPARE(selectedRows(), QList<int>{1});
    }

    void menuKeyOpensTheMenuOnTheCurrentRow()
    {
        listFiles(QStringLiteral("abc"));
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, rowCenter(2));
        guitest::chooseFromNextMenu(QStringLiteral("Delete Item"));
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5), m_list->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(m_list, &request);
        QCOMPARE(shown(), QStringLiteral("ab"));
    }

    void menuKeyAndShiftF10OpenTheMenu_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    }

    void menuKeyAndShiftF10OpenTheMenu()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        listFiles(QStringLiteral("abc"));
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, rowCenter(1));
        guitest::chooseFromNextMenu(QStringLiteral("Delete Item"));
        QTest::keyClick(m_list, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(shown(), QStringLiteral("ac"));
    }

    void sortListOrdersByNameAndKeepsEachRowsPath()
    {
        QStringList paths;
        for (const char *name : {"note 10", "B", "note 2", "a"})
            paths.append(guitest::writeFile(m_folder->filePath(QString::fromLatin1(name))));
        QVERIFY(guitest::dropUrls(m_list->viewport(), guitest::fileUrls(paths)));
        chooseOnRow(0, QStringLiteral("Sort List"));
        QStringList names;
        for (int row = 0; row < m_list->rowCount(); ++row) {
            names.append(m_list->cell(row, 0));
            QCOMPARE(QFileInfo(m_list->path(row)).fileName(), m_list->cell(row, 0));
        }
        QCOMPARE(names, QStringList({"a", "B", "note 2", "note 10"}));
        QCOMPARE(m_list->heading(), QStringLiteral("4 Files"));
    }

    void deleteItemLeavesTheNextRowUnselected()
    {
        listFiles(QStringLiteral("abcde"));
        chooseOnRow(2, QStringLiteral("Delete Item"));
        QCOMPARE(shown(), QStringLiteral("abde"));
        QVERIFY(selectedRows().isEmpty());
        QCOMPARE(m_list->heading(), QStringLiteral("4 Files"));
    }

    void deleteItemKeepsOtherSelectedRows()
    {
        listFiles(QStringLiteral("abcde"));
        select({1, 4});
        chooseOnRow(2, QStringLiteral("Delete Item"));
        // Row 1 was deselected by the contextual click, row 2 deleted, and
        // the last row ("e") kept its selection.
        QCOMPARE(shown(), QStringLiteral("abde"));
        QCOMPARE(selectedRows(), QList<int>{3});
    }

    void clearListEmptiesIt()
    {
        listFiles(QStringLiteral("abcdefg"));
        chooseOnRow(4, QStringLiteral("Clear List"));
        QCOMPARE(m_list->rowCount(), 0);
        QCOMPARE(m_list->heading(), QStringLiteral("0 Files"));
    }

    void removeKeysSelectTheRowThatFollows_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("names");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("selectedAfter");
        QTest::addColumn<QString>("heading");
        QTest::newRow("middle row") << int(Qt::Key_Backspace) << "abcde" << 2 << "abde" << 2 << "4 Files";
        QTest::newRow("last row") << int(Qt::Key_Backspace) << "abcde" << 4 << "abcd" << 3 << "4 Files";
        QTest::newRow("only row") << int(Qt::Key_Backspace) << "a" << 0 << "" << -1 << "0 Files";
        QTest::newRow("delete key") << int(Qt::Key_Delete) << "abc" << 0 << "bc" << 0 << "2 Files";
    }

    void removeKeysSelectTheRowThatFollows()
    {
        QFETCH(int, key);
        QFETCH(QString, names);
        QFETCH(int, selectedRow);
        QFETCH(QString, left);
        QFETCH(int, selectedAfter);
        QFETCH(QString, heading);
        listFiles(names);
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, rowCenter(selectedRow));
        QTest::keyClick(m_list, Qt::Key(key));
        QCOMPARE(shown(), left);
        QCOMPARE(selectedRows(), selectedAfter < 0 ? QList<int>{} : QList<int>{selectedAfter});
        QCOMPARE(m_list->heading(), heading);
        QVERIFY(m_run->dialogs.messages.isEmpty());
    }

    void repeatedBackspaceDeletesRowAfterRow()
    {
        listFiles(QStringLiteral("abcd"));
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, rowCenter(1));
        QTest::keyClick(m_list, Qt::Key_Backspace);
        QTest::keyClick(m_list, Qt::Key_Backspace);
        QTest::keyClick(m_list, Qt::Key_Backspace);
        QCOMPARE(shown(), QStringLiteral("a"));
        QCOMPARE(selectedRows(), QList<int>{0});
    }

    void backspaceWithoutSelectionAsksForOne()
    {
        listFiles(QStringLiteral("abc"));
        m_list->clearSelection();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QApplication::sendEvent(m_list, &press);
        QVERIFY(press.isAccepted());
        QCOMPARE(m_run->dialogs.messages, QStringList({"Please select item first"}));
        QCOMPARE(shown(), QStringLiteral("abc"));
    }

    void altArrowsMoveTheSelectedRows()
    {
        listFiles(QStringLiteral("abcde"));
        select({1, 2});
        QTest::keyClick(m_list, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(shown(), QStringLiteral("adbce"));
        QCOMPARE(selectedRows(), (QList<int>{2, 3}));
        QTest::keyClick(m_list, Qt::Key_Down, Qt::AltModifier);
        QTest::keyClick(m_list, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(shown(), QStringLiteral("adebc"));
        QTest::keyClick(m_list, Qt::Key_Up, Qt::AltModifier);
        QTest::keyClick(m_list, Qt::Key_Up, Qt::AltModifier);
        QTest::keyClick(m_list, Qt::Key_Up, Qt::AltModifier);
        QTest::keyClick(m_list, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(shown(), QStringLiteral("bcade"));
        QCOMPARE(selectedRows(), (QList<int>{0, 1}));
        // Each row still leads to its own file.
        for (int row = 0; row < m_list->rowCount(); ++row)
            QCOMPARE(QFileInfo(m_list->path(row)).fileName(), m_list->cell(row, 0));
    }

    void arrowKeysOnlyMoveTheSelection()
    {
        listFiles(QStringLiteral("abc"));
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, rowCenter(0));
        QTest::keyClick(m_list, Qt::Key_Down);
        QTest::keyClick(m_list, Qt::Key_Down);
        QCOMPARE(selectedRows(), QList<int>{2});
        QTest::keyClick(m_list, Qt::Key_Up);
        QCOMPARE(selectedRows(), QList<int>{1});
        QCOMPARE(shown(), QStringLiteral("abc"));
    }
};

NOTEPACK_GUI_TEST_MAIN(TestListMenu)
#include "tst_listmenu.moc"
