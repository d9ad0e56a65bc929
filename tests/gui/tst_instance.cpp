// SPDX-License-Identifier: MIT
#include "filelist.h"
#include "guitest.h"
#include "instancechannel.h"
#include "winmain.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>

class TestInstance : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString socketPath() const { return m_folder->filePath(QStringLiteral("notepack.socket")); }
    FileList *list() const { return winMain::instance().findChild<FileList *>(QStringLiteral("ListBox1")); }

private Q_SLOTS:
    void init() { m_folder = std::make_unique<QTemporaryDir>(); }
    void cleanup() { winMain::release(); }

    void handOverFailsWhenNoNotepackRuns()
    {
        InstanceChannel channel(socketPath());
        QVERIFY(!channel.handOver({QStringLiteral("/tmp/a.txt")}));
    }

    void documentsReachTheRunningWindow()
    {
        InstanceChannel running(socketPath());
        QVERIFY(running.listen());
        startup::takeDocumentsFrom(running);
        winMain::instance();

        const QString a = guitest::writeFile(m_folder->filePath(QStringLiteral("a.txt")));
        guitest::writeFile(m_folder->filePath(QStringLiteral("notes/b.txt")));
        guitest::writeFile(m_folder->filePath(QStringLiteral("notes/c.txt")));
        InstanceChannel starting(socketPath());
        QVERIFY(starting.handOver({a, m_folder->filePath(QStringLiteral("notes"))}));

        QTRY_COMPARE(list()->rowCount(), 3);
        QCOMPARE(list()->path(0), a);
        QCOMPARE(list()->cell(1, 0), QStringLiteral("b.txt"));
        QCOMPARE(list()->cell(2, 0), QStringLiteral("c.txt"));
        QCOMPARE(list()->heading(), QStringLiteral("3 Files"));
        QVERIFY(winMain::instance().isVisible());
    }

    void leftOverSocketFileIsReplaced()
    {
        guitest::writeFile(socketPath(), "left over");
        InstanceChannel channel(socketPath());
        QVERIFY(channel.listen());
        QVERIFY(InstanceChannel(socketPath()).handOver({}));
    }

    void secondListenerLeavesTheFirstAlone()
    {
        InstanceChannel first(socketPath());
        QVERIFY(first.listen());
        InstanceChannel second(socketPath());
        QVERIFY(!second.listen());
        QStringList received;
        connect(&first, &InstanceChannel::documentsReceived, this,
                [&received](const QStringList &documents) { received = documents; });
        QVERIFY(InstanceChannel(socketPath()).handOver({QStringLiteral("/x/y.txt")}));
        QTRY_COMPARE(received, QStringList({"/x/y.txt"}));
    }

    void secondStartHandsItsFilesOverAndEnds()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder->path());
        QFile::setPermissions(m_folder->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(QStringLiteral(NOTEPACK_GUI), {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(m_folder->path()).entryList({QStringLiteral("*.socket")}, QDir::System).isEmpty(),
                                 10000);

        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(NOTEPACK_GUI), {guitest::writeFile(m_folder->filePath(QStringLiteral("a.txt")))});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }
};

NOTEPACK_GUI_TEST_MAIN(TestInstance)
#include "tst_instance.moc"
