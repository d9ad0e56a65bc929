// SPDX-License-Identifier: MIT
// Files and folders the user has no permission for, dropped on the window and
// converted. Root reads and writes whatever the permissions say, so when the
// build is configured as root CTest runs this test as nobody (see
// CMakeLists.txt); its folders are made by that user, under /tmp.
#include "mainwindowharness.h"
#include "guitest.h"

#include <QTemporaryDir>

#include <unistd.h>

class TestBadInputUnprivileged : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<guitest::MainWindowHarness> m_run;

    QString file(const QString &name) const { return m_folder->filePath(name); }

private Q_SLOTS:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("Running as root, who is refused no file: permissions cannot be tested");
    }

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
        // Lets the folder be removed whatever a test left locked.
        for (const QString &name : guitest::MainWindowHarness::entries(m_folder->path()))
            QFile::setPermissions(file(name),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_folder.reset();
    }

    void unreadableFileGivesAnEmptyMemo_data()
    {
        QTest::addColumn<QStringList>("dropped");
        QTest::newRow("in a dropped folder") << QStringList({"notes"});
        QTest::newRow("dropped by itself")
            << QStringList({"notes/a.txt", "notes/b.txt", "notes/c.txt"});
    }

    void unreadableFileGivesAnEmptyMemo()
    {
        QFETCH(QStringList, dropped);
        guitest::writeFile(file("notes/a.txt"), "alpha");
        const QString secret = guitest::writeFile(file("notes/b.txt"), "secret");
        guitest::writeFile(file("notes/c.txt"), "gamma");
        QVERIFY(QFile::setPermissions(secret, QFile::WriteOwner));
        QFile probe(secret);
        QVERIFY2(!probe.open(QIODevice::ReadOnly), "the file meant to be unreadable can be read");

        QStringList paths;
        for (const QString &name : dropped)
            paths.append(file(name));
        QVERIFY(guitest::dropUrls(m_run->list->viewport(), guitest::fileUrls(paths)));
        QCOMPARE(m_run->shownNames(), QStringList({"a.txt", "b.txt", "c.txt"}));
        m_run->convertTo(file("archive.mpa"));

        QCOMPARE(m_run->dialogs.messages, QStringList());
        QCOMPARE(guitest::MainWindowHarness::read(file("archive.mpa")),
                 guitest::MainWindowHarness::archiveOf({"alpha", "", "gamma"}));
        QVERIFY(m_run->idleAfterSuccess());
    }

    void destinationInAFolderWithoutWritePermissionIsReported()
    {
        const QString a = guitest::writeFile(file("notes/a.txt"), "alpha");
        const QString archive = guitest::writeFile(file("locked/archive.mpa"), "keep me");
        // The archive itself could be written; its folder cannot take the
        // temporary file that replaces it.
        QVERIFY(QFile::setPermissions(file("locked"), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(guitest::dropUrls(m_run->list->viewport(), guitest::fileUrls({a})));
        m_run->convertTo(archive);

        QCOMPARE(m_run->dialogs.messages.size(), 1);
        const QString message = m_run->dialogs.messages.constFirst();
        QVERIFY2(message.contains(archive), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("Permission denied")), qPrintable(message));
        QCOMPARE(guitest::MainWindowHarness::read(archive), QByteArray("keep me"));
        QCOMPARE(guitest::MainWindowHarness::entries(file("locked")), QStringList({"archive.mpa"}));
        QVERIFY(m_run->idleWithoutSuccess());
    }
};

NOTEPACK_GUI_TEST_MAIN(TestBadInputUnprivileged)
#include "tst_badinput_unprivileged.moc"
