// SPDX-License-Identifier: MIT
#include "mainwindowharness.h"
#include "filelist.h"
#include "guitest.h"
#include "menubar1.h"
#include "scripteddialogs.h"
#include "winmain.h"

#include "archiveformat.h"
#include "windows1252.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// What the window showed each time its status line was painted.
struct Shown {
    QString button;
    QString status;
    int value;
    int maximum;
    bool listEnabled;
};

class PaintRecorder : public QObject {
public:
    PaintRecorder(QLabel *status, QPushButton *button, QProgressBar *bar, QWidget *list)
        : m_status(status), m_button(button), m_bar(bar), m_list(list)
    {
        status->installEventFilter(this);
    }
    QList<Shown> shown;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            shown.append({m_button->text(), m_status->text(), m_bar->value(), m_bar->maximum(), m_list->isEnabled()});
        return false;
    }

private:
    QLabel *m_status;
    QPushButton *m_button;
    QProgressBar *m_bar;
    QWidget *m_list;
};

std::string memoOf(const QByteArray &fileText)
{
    std::string memo;
    notepack::appendFileTextAsWindows1252(memo, fileText.toStdString());
    return memo;
}

} // namespace

class TestConvert : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<guitest::MainWindowHarness> m_run;
    winMain *m_window = nullptr;
    FileList *m_list = nullptr;

    QPushButton *button() const { return m_run->button(); }
    QLabel *status() const { return m_run->status(); }
    QProgressBar *bar() const { return m_run->bar(); }
    QString file(const QString &name) const { return m_folder->filePath(name); }
    QPoint rowCenter(int row) const { return m_list->visualItemRect(m_list->topLevelItem(row)).center(); }

    void pressConvert() { QTest::mouseClick(button(), Qt::LeftButton); }
    static QByteArray read(const QString &path) { return guitest::MainWindowHarness::read(path); }
    static QByteArray archiveOf(const std::vector<std::string> &memos)
    {
        return guitest::MainWindowHarness::archiveOf(memos);
    }
    QStringList folderEntries() const { return guitest::MainWindowHarness::entries(m_folder->path()); }
    void listSameFile(const QString &path, int times)
    {
        std::vector<notepack::FileRow> rows(static_cast<std::size_t>(times),
                                            {QFileInfo(path).fileName().toStdString(), {}, path.toStdString()});
        m_list->appendRows(rows);
    }
    void checkIdleAfterRun(const QString &statusText)
    {
        QCOMPARE(button()->text(), QStringLiteral("Convert"));
        QCOMPARE(status()->text(), statusText);
        QCOMPARE(bar()->value(), 0);
        QCOMPARE(bar()->maximum(), 1);
        QVERIFY(m_list->isEnabled());
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

    void theRoadOfOneConversion()
    {
        const QByteArray first = "caf\xC3\xA9\r\nline two";
        const QByteArray second = "\xE2\x82\xAC 5";
        const QByteArray third = "";
        guitest::writeFile(file("in/1 first.txt"), first);
        guitest::writeFile(file("in/2 second.txt"), second);
        guitest::writeFile(file("in/3 third.txt"), third);
        QVERIFY(guitest::dropUrls(m_list->viewport(), guitest::fileUrls({file("in")})));
        QCOMPARE(m_list->heading(), QStringLiteral("3 Files"));

        // The first row dragged below the third becomes the last memo.
        QTest::mousePress(m_list->viewport(), Qt::LeftButton, {}, rowCenter(0));
        QTest::mouseMove(m_list->viewport(), rowCenter(1));
        QTest::mouseMove(m_list->viewport(), rowCenter(2) + QPoint(0, 3));
        QTest::mouseRelease(m_list->viewport(), Qt::LeftButton, {}, rowCenter(2) + QPoint(0, 3));
        QCOMPARE(m_list->cell(2, 0), QStringLiteral("1 first.txt"));

        PaintRecorder recorder(status(), button(), bar(), m_list);
        const QString archive = file("out/archive.mpa");
        QDir().mkpath(file("out"));
        m_run->dialogs.answerNextFileDialog(archive);
        m_run->dialogs.whileNextFileDialogIsUp([this] {
            QCOMPARE(button()->text(), QStringLiteral("Cancel"));
            QCOMPARE(status()->text(), QStringLiteral("Merging..."));
            QCOMPARE(bar()->maximum(), 3);
            QVERIFY(!m_list->isEnabled());
        });
        pressConvert();

        QCOMPARE(read(archive), archiveOf({memoOf(second), memoOf(third), memoOf(first)}));
        checkIdleAfterRun(QStringLiteral("done"));
        QCOMPARE(m_list->heading(), QStringLiteral("3 Files"));
        QCOMPARE(m_list->rowCount(), 3);

        // Before "done", the window showed the last memo and the name of the file read last.
        qsizetype lastRunning = recorder.shown.size() - 1;
        while (lastRunning >= 0 && recorder.shown[lastRunning].status == QLatin1String("done"))
            --lastRunning;
        QVERIFY(lastRunning >= 0);
        const Shown &last = recorder.shown[lastRunning];
        QCOMPARE(last.status, QStringLiteral("1 first.txt"));
        QCOMPARE(last.value, 3);
        QCOMPARE(last.maximum, 3);
        QVERIFY(!last.listEnabled);
        // While running (done() switches back one setting after another),
        // the list never takes input.
        for (const Shown &moment : std::as_const(recorder.shown)) {
            if (moment.button == QLatin1String("Cancel") && moment.status != QLatin1String("done"))
                QVERIFY(!moment.listEnabled);
        }
    }

    void saveDialogSettingsAndItsInitialFolder()
    {
        listSameFile(guitest::writeFile(file("a.txt")), 1);
        const QString archive = file("archive.mpa");
        m_run->dialogs.answerNextFileDialog(archive);
        pressConvert();
        m_run->dialogs.answerNextFileDialog(std::nullopt);
        pressConvert();
        pressConvert();

        QCOMPARE(m_run->dialogs.fileRequests.size(), 3);
        FileDialogRequest expected;
        expected.mode = FileDialogRequest::Mode::Save;
        expected.prompt = QStringLiteral("Enter a filename");
        expected.title = QStringLiteral("Save mpa file");
        expected.filterName = QStringLiteral("Memopad Archive");
        expected.filterExtension = QStringLiteral(".mpa");
        expected.suggestedName = QStringLiteral("archive.mpa");
        expected.actionButton = QStringLiteral("Select");
        QCOMPARE(m_run->dialogs.fileRequests[0], expected);
        // After a run, the archive written last; after a cancelled dialog, nothing.
        expected.initialPath = archive;
        QCOMPARE(m_run->dialogs.fileRequests[1], expected);
        expected.initialPath.clear();
        QCOMPARE(m_run->dialogs.fileRequests[2], expected);
    }

    void cancelledDialogWritesNothing()
    {
        listSameFile(guitest::writeFile(file("a.txt")), 2);
        m_run->dialogs.answerNextFileDialog(std::nullopt);
        pressConvert();
        checkIdleAfterRun(QStringLiteral("done"));
        QCOMPARE(folderEntries(), QStringList({"a.txt"}));
    }

    void emptyListGivesTheHeaderOnlyArchive()
    {
        const QString archive = file("empty.mpa");
        m_run->dialogs.answerNextFileDialog(archive);
        m_run->dialogs.whileNextFileDialogIsUp([this] { QCOMPARE(bar()->maximum(), 0); });
        pressConvert();
        QCOMPARE(read(archive), archiveOf({}));
        QCOMPARE(read(archive).size(), 88);
        checkIdleAfterRun(QStringLiteral("done"));
    }

    void fileDeletedAfterListingGivesAnEmptyMemo()
    {
        const QString a = guitest::writeFile(file("a.txt"), "alpha");
        const QString gone = guitest::writeFile(file("gone.txt"), "soon gone");
        QVERIFY(guitest::dropUrls(m_list->viewport(), guitest::fileUrls({a, gone})));
        QVERIFY(QFile::remove(gone));
        PaintRecorder recorder(status(), button(), bar(), m_list);
        m_run->dialogs.answerNextFileDialog(file("archive.mpa"));
        pressConvert();
        QCOMPARE(read(file("archive.mpa")), archiveOf({"alpha", ""}));
        // The status kept the name of the file read before the missing one.
        QStringList names;
        for (const Shown &moment : std::as_const(recorder.shown)) {
            if (moment.value > 0 && moment.status != QLatin1String("Merging...") && moment.status != QLatin1String("done"))
                names.append(moment.status);
        }
        QVERIFY(!names.isEmpty());
        QVERIFY(!names.contains(QStringLiteral("gone.txt")));
        QCOMPARE(names.constLast(), QStringLiteral("a.txt"));
    }

    void cancelStopsTheRunAndWritesNothing()
    {
        const QString archive = guitest::writeFile(file("archive.mpa"), "keep me");
        listSameFile(guitest::writeFile(file("a.txt"), QByteArray(1000, 'a')), 30000);
        bool pressedDuringRun = false;
        m_run->dialogs.answerNextFileDialog(archive);
        m_run->dialogs.whileNextFileDialogIsUp([this, &pressedDuringRun] {
            // Runs at the run's first yield.
            QTimer::singleShot(0, this, [this, &pressedDuringRun] {
                pressedDuringRun = button()->text() == QLatin1String("Cancel") && bar()->value() > 0;
                pressConvert();
            });
        });
        pressConvert();
        QVERIFY(pressedDuringRun);
        checkIdleAfterRun(QStringLiteral("cancelled"));
        QCOMPARE(read(archive), QByteArray("keep me"));
        QCOMPARE(folderEntries(), QStringList({"a.txt", "archive.mpa"}));

        // A new run works at once.
        m_run->dialogs.answerNextFileDialog(archive);
        pressConvert();
        QCOMPARE(read(archive).size(), 88 + 30000 * (51 + 1000));
        checkIdleAfterRun(QStringLiteral("done"));
    }

    void failedRunsAreReportedAndWriteNothing_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("reason");
        QTest::newRow("memo too long") << "big.txt" << "archive.mpa" << "big.txt" << "70,000 bytes";
        QTest::newRow("destination unwritable") << "a.txt" << "a.txt/archive.mpa" << "a.txt/archive.mpa"
                                                << "Not a directory";
    }

    void failedRunsAreReportedAndWriteNothing()
    {
        QFETCH(QString, input);
        QFETCH(QString, destination);
        QFETCH(QString, named);
        QFETCH(QString, reason);
        guitest::writeFile(file("archive.mpa"), "keep me");
        listSameFile(guitest::writeFile(file(input), QByteArray(input == QLatin1String("big.txt") ? 70000 : 5, 'x')), 2);
        m_run->dialogs.answerNextFileDialog(file(destination));
        pressConvert();

        QCOMPARE(m_run->dialogs.messages.size(), 1);
        QVERIFY2(m_run->dialogs.messages[0].contains(named), qPrintable(m_run->dialogs.messages[0]));
        QVERIFY2(m_run->dialogs.messages[0].contains(reason), qPrintable(m_run->dialogs.messages[0]));
        QCOMPARE(button()->text(), QStringLiteral("Convert"));
        QVERIFY(status()->text() != QLatin1String("done"));
        QVERIFY(m_list->isEnabled());
        QCOMPARE(read(file("archive.mpa")), QByteArray("keep me"));
        QStringList expectedEntries = {input, "archive.mpa"};
        expectedEntries.sort();
        QCOMPARE(folderEntries(), expectedEntries);
    }

    void closingDuringARunQuitsAndLeavesNoFile()
    {
        listSameFile(guitest::writeFile(file("a.txt"), QByteArray(1000, 'a')), 30000);
        m_run->dialogs.answerNextFileDialog(file("archive.mpa"));
        m_run->dialogs.whileNextFileDialogIsUp([this] { QTimer::singleShot(0, m_window, &QWidget::close); });
        QTimer::singleShot(0, this, [this] { pressConvert(); });
        QTimer failsafe;
        failsafe.setSingleShot(true);
        connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        failsafe.start(10000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(folderEntries(), QStringList({"a.txt"}));
    }

    void returnKeyStartsTheRun()
    {
        m_run->dialogs.answerNextFileDialog(std::nullopt);
        QTest::keyClick(m_window, Qt::Key_Return);
        QTRY_COMPARE(m_run->dialogs.fileRequests.size(), 1);
    }
};

NOTEPACK_GUI_TEST_MAIN(TestConvert)
#include "tst_convert.moc"
