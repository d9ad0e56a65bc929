// SPDX-License-Identifier: MIT
#include "filelist.h"
#include "guitest.h"
#include "menubar1.h"
#include "mainwindowharness.h"
#include "winmain.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

class TestWinMain : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<guitest::MainWindowHarness> m_run;
    winMain *m_window = nullptr;
    FileList *m_list = nullptr;

    QString write(const QString &relative, const QByteArray &bytes = "text")
    {
        return guitest::writeFile(m_folder->filePath(relative), bytes);
    }
    QString folder(const QString &relative)
    {
        QDir().mkpath(m_folder->filePath(relative));
        return m_folder->filePath(relative);
    }
    QWidget *dropTarget(const QString &where) const
    {
        if (where == QLatin1String("list"))
            return m_list->viewport();
        return m_window->findChild<QLabel *>(QStringLiteral("LabStatus"));
    }
    QStringList column(int column) const
    {
        QStringList cells;
        for (int row = 0; row < m_list->rowCount(); ++row)
            cells.append(m_list->cell(row, column));
        return cells;
    }
    QStringList paths() const { return m_run->paths(); }
    QPushButton *button() const { return m_run->button(); }
    QLabel *status() const { return m_run->status(); }
    QProgressBar *progress() const { return m_run->bar(); }
    QPoint rowCenter(int row) const { return m_list->visualItemRect(m_list->topLevelItem(row)).center(); }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_run = std::make_unique<guitest::MainWindowHarness>();
        m_window = m_run->window;
        m_list = m_run->list;
        QVERIFY(m_list);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup()
    {
        m_run.reset();
        m_folder.reset();
    }

    void opensIdle()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Notepack"));
        QCOMPARE(m_list->heading(), QStringLiteral("0 files"));
        QCOMPARE(m_list->columnCount(), 3);
        QVERIFY(!m_list->isColumnHidden(0));
        QVERIFY(m_list->isColumnHidden(1) && m_list->isColumnHidden(2));
        QCOMPARE(m_list->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(m_list->font().pointSize(), 11);
        QVERIFY(m_list->isEnabled());
        QCOMPARE(status()->text(), QStringLiteral("idle"));
        QVERIFY(status()->font().italic());
        QCOMPARE(button()->text(), QStringLiteral("Convert"));
        QCOMPARE(progress()->value(), 0);
        QCOMPARE(progress()->maximum(), 100);
        QCOMPARE(m_window->menuBar(), &MenuBar1::instance());
        QCOMPARE(m_window->centralWidget()->size(), QSize(280, 240));
    }

    void dropsAddRows_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("on the list") << QStringLiteral("list");
        QTest::newRow("on the window") << QStringLiteral("window");
    }

    void dropsAddRows()
    {
        QFETCH(QString, where);
        const QString a = write(QStringLiteral("one/a.txt"));
        QVERIFY(guitest::dropUrls(dropTarget(where), guitest::fileUrls({a})));
        QCOMPARE(column(0), QStringList({QStringLiteral("a.txt")}));
        QCOMPARE(column(1), QStringList({QString()}));
        QCOMPARE(column(2), QStringList({a}));
        QCOMPARE(m_list->heading(), QStringLiteral("1 File"));

        const QString b = write(QStringLiteral("b.txt"));
        const QString c = write(QStringLiteral("c.txt"));
        QVERIFY(guitest::dropUrls(dropTarget(where), guitest::fileUrls({c, a, b})));
        QCOMPARE(paths(), QStringList({a, c, a, b}));
        QCOMPARE(m_list->heading(), QStringLiteral("4 Files"));
    }

    void folderDropWalksTheTree_data()
    {
        dropsAddRows_data();
    }

    void folderDropWalksTheTree()
    {
        QFETCH(QString, where);
        write(QStringLiteral("tree/b.txt"));
        write(QStringLiteral("tree/a.txt"));
        write(QStringLiteral("tree/.DS_Store"));
        write(QStringLiteral("tree/.hidden/seen.txt"));
        write(QStringLiteral("tree/.hidden/.unseen"));
        write(QStringLiteral("tree/c sub/c.txt"));
        QVERIFY(guitest::dropUrls(dropTarget(where), guitest::fileUrls({m_folder->filePath("tree")})));

        const QString tree = m_folder->filePath(QStringLiteral("tree")) + QLatin1Char('/');
        QCOMPARE(column(0), QStringList({"seen.txt", "a.txt", "b.txt", "c.txt"}));
        QCOMPARE(column(1), column(0));
        QCOMPARE(column(2), QStringList({tree + ".hidden/", tree, tree, tree + "c sub/"}));
        QCOMPARE(m_list->heading(), QStringLiteral("4 Files"));
    }

    void emptyFolderStillRefreshesTheHeading()
    {
        QVERIFY(guitest::dropUrls(m_list->viewport(), guitest::fileUrls({folder(QStringLiteral("empty"))})));
        QCOMPARE(m_list->rowCount(), 0);
        QCOMPARE(m_list->heading(), QStringLiteral("0 Files"));
    }

    void sameFileTwiceGivesTwoRows()
    {
        const QString a = write(QStringLiteral("a.txt"));
        QVERIFY(guitest::dropUrls(m_list->viewport(), guitest::fileUrls({a})));
        QVERIFY(guitest::dropUrls(m_list->viewport(), guitest::fileUrls({a})));
        QCOMPARE(paths(), QStringList({a, a}));
        QCOMPARE(column(1), QStringList({QString(), QString()}));
        QCOMPARE(m_list->heading(), QStringLiteral("2 Files"));
    }

    void droppedFileAndWalkedFileLeadToTheSamePath()
    {
        const QString a = write(QStringLiteral("dir/a.txt"));
        QVERIFY(guitest::dropUrls(m_list->viewport(), guitest::fileUrls({a, m_folder->filePath("dir")})));
        QCOMPARE(m_list->cell(0, 0), m_list->cell(1, 0));
        QVERIFY(m_list->cell(0, 1) != m_list->cell(1, 1));
        QCOMPARE(m_list->path(0), m_list->path(1));
    }

    void dropStopsAtTheFirstItemThatIsNoFile()
    {
        const QString a = write(QStringLiteral("a.txt"));
        const QString b = write(QStringLiteral("b.txt"));
        QList<QUrl> urls = guitest::fileUrls({a});
        urls << QUrl(QStringLiteral("https://example.org/c.txt")) << QUrl::fromLocalFile(b);
        QVERIFY(guitest::dropUrls(m_list->viewport(), urls));
        QCOMPARE(paths(), QStringList({a}));
        QVERIFY(!guitest::dropUrls(m_list->viewport(), {QUrl(QStringLiteral("https://example.org/"))}));
    }

    void missingAndUnreadableEntriesAddNothing()
    {
        const QString a = write(QStringLiteral("a.txt"));
        write(QStringLiteral("dir/b.txt"));
        QVERIFY(QFile::link(m_folder->filePath("gone"), m_folder->filePath("dir/dangling")));
        QVERIFY(QFile::link(m_folder->filePath("dir"), m_folder->filePath("dir/loop")));
        QVERIFY(guitest::dropUrls(m_list->viewport(),
                                  guitest::fileUrls({m_folder->filePath("missing.txt"), m_folder->filePath("dir"), a})));
        QCOMPARE(column(0), QStringList({"b.txt", "a.txt"}));
        QVERIFY(m_run->dialogs.messages.isEmpty());
    }

    void evenRowsAreStriped()
    {
        for (const char *name : {"1", "2", "3", "4", "5"})
            write(QString::fromLatin1(name));
        QVERIFY(guitest::dropUrls(m_list->viewport(), guitest::fileUrls({m_folder->path()})));
        QCOMPARE(m_list->rowCount(), 5);
        m_list->topLevelItem(2)->setSelected(false);
        const QImage image = m_list->viewport()->grab().toImage();
        const QColor base = m_list->palette().color(QPalette::Base);
        for (int row = 0; row < 5; ++row) {
            const QPoint point(m_list->viewport()->width() - 3, rowCenter(row).y());
            const QColor expected = row % 2 == 0 ? FileList::stripeColor() : base;
            QCOMPARE(image.pixelColor(point * image.devicePixelRatio()), expected);
        }
    }

    void rowsAreDraggedIntoAnotherOrder()
    {
        for (const char *name : {"a", "b", "c", "d"})
            write(QString::fromLatin1(name));
        QVERIFY(guitest::dropUrls(m_list->viewport(), guitest::fileUrls({m_folder->path()})));
        QWidget *viewport = m_list->viewport();
        const QString pathOfA = m_list->path(0);

        // Row 0 dragged below row 2 becomes the third row.
        QTest::mousePress(viewport, Qt::LeftButton, {}, rowCenter(0));
        QTest::mouseMove(viewport, rowCenter(1));
        QTest::mouseMove(viewport, rowCenter(2) + QPoint(0, 3));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, rowCenter(2) + QPoint(0, 3));
        QCOMPARE(column(0), QStringList({"b", "c", "a", "d"}));
        QCOMPARE(m_list->path(2), pathOfA);

        // Two selected rows move together, in their order, to the top.
        m_list->clearSelection();
        m_list->topLevelItem(2)->setSelected(true);
        m_list->topLevelItem(3)->setSelected(true);
        QTest::mousePress(viewport, Qt::LeftButton, {}, rowCenter(3));
        QTest::mouseMove(viewport, rowCenter(1));
        QTest::mouseMove(viewport, rowCenter(0) - QPoint(0, 3));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, rowCenter(0) - QPoint(0, 3));
        QCOMPARE(column(0), QStringList({"a", "d", "b", "c"}));
        QVERIFY(m_list->topLevelItem(0)->isSelected() && m_list->topLevelItem(1)->isSelected());

        // A click without a drag on a selected row selects it alone.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, rowCenter(1));
        QCOMPARE(m_list->selectionIndex(), 1);
        QCOMPARE(m_list->selectedItems().size(), 1);
        QCOMPARE(column(0), QStringList({"a", "d", "b", "c"}));
    }

    void addFileDialogAddsTheChosenFile()
    {
        const QString chosen = write(QStringLiteral("picked/notes.txt"));
        m_run->dialogs.answerNextFileDialog(chosen);
        MenuBar1::instance().item(QStringLiteral("FileNewAttachment"))->trigger();

        QCOMPARE(m_run->dialogs.fileRequests.size(), 1);
        const FileDialogRequest &request = m_run->dialogs.fileRequests.constFirst();
        QCOMPARE(request.mode, FileDialogRequest::Mode::Open);
        QCOMPARE(request.title, QStringLiteral("Select File"));
        QCOMPARE(request.prompt, QStringLiteral("Select a File to attach"));
        QCOMPARE(request.actionButton, QStringLiteral("Select"));
        QVERIFY(request.filterName.isEmpty());
        QVERIFY(request.initialPath.isEmpty());
        QCOMPARE(column(0), QStringList({"notes.txt"}));
        QCOMPARE(column(1), QStringList({QString()}));
        QCOMPARE(column(2), QStringList({chosen}));
        QCOMPARE(m_list->heading(), QStringLiteral("1 File"));
    }

    void cancelledAddFileDialogChangesNothing()
    {
        m_run->dialogs.answerNextFileDialog(std::nullopt);
        MenuBar1::instance().item(QStringLiteral("FileNewAttachment"))->trigger();
        QCOMPARE(m_run->dialogs.fileRequests.size(), 1);
        QCOMPARE(m_list->rowCount(), 0);
        QCOMPARE(m_list->heading(), QStringLiteral("0 files"));
    }

    void busyAndDoneSwitchTheRunState()
    {
        QVERIFY(guitest::dropUrls(m_list->viewport(), guitest::fileUrls({write("a.txt")})));
        m_window->busy();
        QCOMPARE(button()->text(), QStringLiteral("Cancel"));
        QVERIFY(!m_list->isEnabled());
        QCOMPARE(progress()->maximum(), 0);
        // Disabled, the list takes no drops of its own: they reach the window.
        QVERIFY(guitest::dropUrls(m_list->viewport(), guitest::fileUrls({write("b.txt")})));
        QCOMPARE(m_list->rowCount(), 2);

        m_window->done();
        QCOMPARE(button()->text(), QStringLiteral("Convert"));
        QVERIFY(m_list->isEnabled());
        QCOMPARE(status()->text(), QStringLiteral("done"));
        QCOMPARE(progress()->value(), 0);
        QCOMPARE(progress()->maximum(), 1);
        QCOMPARE(m_list->heading(), QStringLiteral("2 Files"));
    }

    void controlsFollowTheWindowEdges()
    {
        QWidget *content = m_window->centralWidget();
        QCOMPARE(m_list->geometry(), QRect(-1, -1, 282, 168));
        QCOMPARE(button()->geometry(), QRect(191, 197, 69, 20));

        m_window->resize(m_window->size() + QSize(320, 160));
        QTRY_COMPARE(content->size(), QSize(600, 400));
        QCOMPARE(button()->geometry(), QRect(600 - 20 - 69, 400 - 23 - 20, 69, 20));
        QCOMPARE(status()->geometry(), QRect(20, 179 + 160, 159 + 320, 20));
        QCOMPARE(progress()->geometry(), QRect(20, 199 + 160, 159 + 320, 18));
        QCOMPARE(m_list->geometry(), QRect(-1, -1, 602, 328));
    }

    void windowCannotBeMadeSmallerThanItsDesign()
    {
        m_window->resize(100, 100);
        QTRY_COMPARE(m_window->centralWidget()->size(), QSize(280, 240));
        QVERIFY(m_window->minimumSizeHint().width() >= 280);
    }

    void returnPressesConvert()
    {
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        int presses = 0;
        connect(button(), &QPushButton::clicked, this, [&presses] { ++presses; });
        QTest::keyClick(m_window, Qt::Key_Return);
        QTRY_COMPARE(presses, 1);
    }

    void keyboardReachesTheControls()
    {
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_list->setFocus();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(m_list));
        QTest::keyClick(m_list, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(button()));
        QVERIFY(!m_list->accessibleName().isEmpty());
        QVERIFY(!status()->accessibleName().isEmpty());
        QVERIFY(!progress()->accessibleName().isEmpty());
        QCOMPARE(status()->focusPolicy(), Qt::NoFocus);
    }

    void listStaysUsableWithManyRows()
    {
        std::vector<notepack::FileRow> rows;
        for (int i = 0; i < 100000; ++i) {
            const std::string name = "file " + std::to_string(i);
            rows.push_back({name, name, "/many/"});
        }
        m_list->appendRows(rows);
        m_window->updatefilecount();
        QCOMPARE(m_list->heading(), QStringLiteral("100000 Files"));
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, rowCenter(0));
        QTest::keyClick(m_list, Qt::Key_End);
        QCOMPARE(m_list->currentIndex().row(), 99999);
        QCOMPARE(m_list->path(99999), QStringLiteral("/many/file 99999"));
    }

    void closingTheWindowQuits_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("close button") << false;
        QTest::newRow("Close Window") << true;
    }

    void closingTheWindowQuits()
    {
        QFETCH(bool, byMenu);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTimer::singleShot(0, m_window, [byMenu, this] {
            if (byMenu)
                MenuBar1::instance().item(QStringLiteral("FileCloseWindow"))->trigger();
            else
                m_window->close();
        });
        // Should the window not quit, the loop ends with another status.
        QTimer failsafe;
        failsafe.setSingleShot(true);
        connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        failsafe.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!m_window->isVisible());
    }
};

NOTEPACK_GUI_TEST_MAIN(TestWinMain)
#include "tst_winmain.moc"
