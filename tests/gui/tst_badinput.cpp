// SPDX-License-Identifier: MIT
// Bad input dropped on the window and converted: every run ends, every file
// that can be read is packed, and what fails is told in a message that names
// the file and the reason. Files without permission: tst_badinput_unprivileged.
#include "mainwindowharness.h"
#include "filenametext.h"
#include "guitest.h"

#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kFiveGigabytes = 5'000'000'000;

// What this process has read through read calls so far.
std::uint64_t bytesReadSoFar()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "rchar:")
            return value;
    }
    qFatal("/proc/self/io tells no rchar");
}

// A full disk for as long as it lives: files this process writes cannot grow
// past limit bytes, and a write past it fails with EFBIG instead of raising
// SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{limit, m_saved.rlim_max};
        m_active = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = SIG_DFL;
    bool m_active = false;
};

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<guitest::MainWindowHarness> m_run;

    QString file(const QString &name) const { return m_folder->filePath(name); }
    bool drop(const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names)
            paths.append(file(name));
        return guitest::dropUrls(m_run->list->viewport(), guitest::fileUrls(paths));
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_run = std::make_unique<guitest::MainWindowHarness>();
        QVERIFY(QTest::qWaitForWindowActive(m_run->window));
    }

    void cleanup()
    {
        m_run.reset();
        // By bytes: QTemporaryDir cannot remove a name that is not UTF-8.
        std::error_code ignored;
        fs::remove_all(QFile::encodeName(m_folder->path()).toStdString(), ignored);
        m_folder.reset();
    }

    // Listed at the drop, then gone or no file any more when Convert reads it.
    void listedFileThatCannotBeReadGivesAnEmptyMemo_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("deleted") << "delete";
        QTest::newRow("replaced by a folder") << "folder";
        // Opening a pipe for reading would wait for a writer for ever.
        QTest::newRow("replaced by a named pipe") << "pipe";
    }

    void listedFileThatCannotBeReadGivesAnEmptyMemo()
    {
        QFETCH(QString, change);
        guitest::writeFile(file("notes/a.txt"), "alpha");
        const QString changed = guitest::writeFile(file("notes/b.txt"), "beta");
        guitest::writeFile(file("notes/c.txt"), "gamma");
        QVERIFY(drop({"notes"}));
        QCOMPARE(m_run->shownNames(), QStringList({"a.txt", "b.txt", "c.txt"}));

        QVERIFY(QFile::remove(changed));
        if (change == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(changed));
        else if (change == QLatin1String("pipe"))
            QCOMPARE(mkfifo(QFile::encodeName(changed).constData(), 0600), 0);
        m_run->convertTo(file("archive.mpa"));

        QCOMPARE(m_run->dialogs.messages, QStringList());
        QCOMPARE(guitest::MainWindowHarness::read(file("archive.mpa")),
                 guitest::MainWindowHarness::archiveOf({"alpha", "", "gamma"}));
        QVERIFY(m_run->idleAfterSuccess());
        QCOMPARE(m_run->list->rowCount(), 3);
    }

    void folderThatLoopsThroughLinksIsListedOncePerPath()
    {
        guitest::writeFile(file("notes/a.txt"), "alpha");
        guitest::writeFile(file("notes/sub/b.txt"), "beta");
        const fs::path notes = QFile::encodeName(file("notes")).toStdString();
        fs::create_directory_symlink("..", notes / "sub/up");
        fs::create_directory_symlink(".", notes / "sub/self");
        // Not a loop: a second path to sub, whose file is listed once more.
        fs::create_directory_symlink("sub", notes / "alias");

        QVERIFY(drop({"notes"}));
        QCOMPARE(m_run->shownNames(), QStringList({"a.txt", "b.txt", "b.txt"}));
        QCOMPARE(m_run->paths(), QStringList({file("notes/a.txt"), file("notes/alias/b.txt"),
                                              file("notes/sub/b.txt")}));
        QCOMPARE(m_run->list->heading(), QStringLiteral("3 Files"));

        m_run->convertTo(file("archive.mpa"));
        QCOMPARE(m_run->dialogs.messages, QStringList());
        QCOMPARE(guitest::MainWindowHarness::read(file("archive.mpa")),
                 guitest::MainWindowHarness::archiveOf({"alpha", "beta", "beta"}));
        QVERIFY(m_run->idleAfterSuccess());
    }

    void namedPipeInADroppedFolderIsNotListed()
    {
        guitest::writeFile(file("notes/a.txt"), "alpha");
        QCOMPARE(mkfifo(QFile::encodeName(file("notes/b pipe")).constData(), 0600), 0);
        guitest::writeFile(file("notes/c.txt"), "gamma");
        QVERIFY(drop({"notes"}));
        QCOMPARE(m_run->shownNames(), QStringList({"a.txt", "c.txt"}));
        QCOMPARE(m_run->list->heading(), QStringLiteral("2 Files"));

        m_run->convertTo(file("archive.mpa"));
        QCOMPARE(m_run->dialogs.messages, QStringList());
        QCOMPARE(guitest::MainWindowHarness::read(file("archive.mpa")),
                 guitest::MainWindowHarness::archiveOf({"alpha", "gamma"}));
        QVERIFY(m_run->idleAfterSuccess());
    }

    void fiveGigabyteFileIsRefusedWithoutBeingRead()
    {
        guitest::writeFile(file("notes/a.txt"), "alpha");
        const QString huge = guitest::writeFile(file("notes/huge.txt"), "");
        fs::resize_file(QFile::encodeName(huge).toStdString(),
                        kFiveGigabytes); // sparse: no room on the disk
        const QString archive = guitest::writeFile(file("archive.mpa"), "keep me");
        QVERIFY(drop({"notes"}));
        QCOMPARE(m_run->list->rowCount(), 2);

        const std::uint64_t readBefore = bytesReadSoFar();
        m_run->convertTo(archive);
        const std::uint64_t read = bytesReadSoFar() - readBefore;

        QCOMPARE(m_run->dialogs.messages.size(), 1);
        const QString message = m_run->dialogs.messages.constFirst();
        QVERIFY2(message.contains(huge), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("5,000,000,000 bytes")), qPrintable(message));
        QVERIFY2(read < 64u << 20, qPrintable(QStringLiteral("read %1 bytes").arg(read)));
        QCOMPARE(guitest::MainWindowHarness::read(archive), QByteArray("keep me"));
        QCOMPARE(guitest::MainWindowHarness::entries(m_folder->path()),
                 QStringList({"archive.mpa", "notes"}));
        QVERIFY(m_run->idleWithoutSuccess());
    }

    void namesWithUnusualCharactersAreListedAndPacked_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("non-ASCII")
            << QByteArray("caf\xC3\xA9 \xE2\x98\x95 \xE6\x97\xA5\xE6\x9C\xAC.txt");
        QTest::newRow("colon") << QByteArray("10:30 meeting.txt");
        QTest::newRow("backslash") << QByteArray("to\\do.txt");
        QTest::newRow("Windows path") << QByteArray("C:\\notes\\list.txt");
        // From an older system, in Windows-1252 ("café").
        QTest::newRow("not UTF-8") << QByteArray("caf\xE9.txt");
    }

    void namesWithUnusualCharactersAreListedAndPacked()
    {
        QFETCH(QByteArray, name);
        QVERIFY(QDir().mkdir(file("notes")));
        // Written by its bytes: a name that is not UTF-8 has no QString.
        std::ofstream(QFile::encodeName(file("notes")).toStdString() + "/" + name.toStdString())
            << "caf\xC3\xA9";
        QVERIFY(drop({"notes"}));
        // The row's name gives back the name's bytes, valid UTF-8 or not.
        QCOMPARE(m_run->shownNames().size(), 1);
        QCOMPARE(QByteArray::fromStdString(fileNameBytes(m_run->shownNames().constFirst())), name);
        if (name != QByteArray("caf\xE9.txt"))
            QCOMPARE(m_run->shownNames().constFirst(), QString::fromUtf8(name));

        m_run->convertTo(file("archive.mpa"));
        QCOMPARE(m_run->dialogs.messages, QStringList());
        QCOMPARE(guitest::MainWindowHarness::read(file("archive.mpa")),
                 guitest::MainWindowHarness::archiveOf({"caf\xE9"}));
        QVERIFY(m_run->idleAfterSuccess());
    }

    // Every memo is read before the archive is written, so the file's old
    // text is in it.
    void destinationThatIsAListedFileIsReplacedByTheArchive()
    {
        const QString a = guitest::writeFile(file("notes/a.txt"), "alpha");
        guitest::writeFile(file("notes/b.txt"), "beta");
        QVERIFY(drop({"notes"}));
        m_run->convertTo(a);

        QCOMPARE(m_run->dialogs.messages, QStringList());
        QCOMPARE(guitest::MainWindowHarness::read(a),
                 guitest::MainWindowHarness::archiveOf({"alpha", "beta"}));
        QCOMPARE(guitest::MainWindowHarness::entries(file("notes")), QStringList({"a.txt", "b.txt"}));
        QVERIFY(m_run->idleAfterSuccess());
    }

    void fullDiskIsReportedAndKeepsTheOldArchive_data()
    {
        // The archive is 88 + 51 + 5000 = 5139 bytes.
        QTest::addColumn<int>("limit");
        QTest::newRow("no room at all") << 0;
        QTest::newRow("room for the header") << 88;
        QTest::newRow("room for all but the last byte") << 5138;
    }

    void fullDiskIsReportedAndKeepsTheOldArchive()
    {
        QFETCH(int, limit);
        guitest::writeFile(file("notes/a.txt"), QByteArray(5000, 'x'));
        const QString archive = guitest::writeFile(file("archive.mpa"), "keep me");
        QVERIFY(drop({"notes"}));
        {
            const FileSizeLimit full(static_cast<rlim_t>(limit));
            QVERIFY(full.active());
            m_run->convertTo(archive);
        }

        QCOMPARE(m_run->dialogs.messages.size(), 1);
        const QString message = m_run->dialogs.messages.constFirst();
        QVERIFY2(message.contains(archive), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("File too large")), qPrintable(message));
        QCOMPARE(guitest::MainWindowHarness::read(archive), QByteArray("keep me"));
        QCOMPARE(guitest::MainWindowHarness::entries(m_folder->path()),
                 QStringList({"archive.mpa", "notes"}));
        QVERIFY(m_run->idleWithoutSuccess());

        // With room again, the next press writes it.
        m_run->convertTo(archive);
        QCOMPARE(m_run->dialogs.messages.size(), 1);
        QCOMPARE(guitest::MainWindowHarness::read(archive),
                 guitest::MainWindowHarness::archiveOf({std::string(5000, 'x')}));
        QVERIFY(m_run->idleAfterSuccess());
    }
};

NOTEPACK_GUI_TEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
