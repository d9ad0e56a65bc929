// SPDX-License-Identifier: MIT
#include "filelist.h"
#include "guitest.h"
#include "menubar1.h"
#include "scripteddialogs.h"
#include "winmain.h"

#include <QDir>
#include <QFileOpenEvent>
#include <QTemporaryDir>

#include <stdexcept>

namespace {

// A widget whose mouse handling fails, as a handler with a fault would.
class FaultyWidget : public QWidget {
protected:
    void mousePressEvent(QMouseEvent *) override { throw std::runtime_error("fault in a handler"); }
};

} // namespace

class TestApp : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;

    QString write(const QString &relative)
    {
        const QString path = m_folder->filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }
    FileList *list() const { return winMain::instance().findChild<FileList *>(QStringLiteral("ListBox1")); }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }

    void cleanup()
    {
        winMain::release();
        m_dialogs.reset();
    }

    void documentsGivenAtLaunchArriveInOrder()
    {
        startup::_MakeDefaultView();
        const QString a = write(QStringLiteral("a.txt"));
        write(QStringLiteral("folder/x.txt"));
        write(QStringLiteral("folder/y.txt"));
        const QString b = write(QStringLiteral("b.txt"));

        QStringList headings;
        connect(list()->model(), &QAbstractItemModel::headerDataChanged, this,
                [&headings, this] { headings.append(list()->heading()); });
        startup::handOverDocuments({b, m_folder->filePath(QStringLiteral("folder")), a});
        QTRY_COMPARE(list()->rowCount(), 4);

        QCOMPARE(list()->path(0), b);
        QCOMPARE(list()->cell(1, 0), QStringLiteral("x.txt"));
        QCOMPARE(list()->cell(2, 0), QStringLiteral("y.txt"));
        QCOMPARE(list()->path(3), a);
        QCOMPARE(headings, QStringList({"1 File", "3 Files", "4 Files"}));
    }

    void documentCreatesTheMainWindowWhenThereIsNone()
    {
        QVERIFY(!winMain::existing());
        const QString a = write(QStringLiteral("a.txt"));
        QFileOpenEvent open(a);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &open);
        QVERIFY(winMain::existing());
        QCOMPARE(list()->path(0), a);
        QCOMPARE(list()->heading(), QStringLiteral("1 File"));
    }

    void documentDuringARunIsAddedAtOnce()
    {
        winMain &window = winMain::instance();
        window.busy();
        App::instance().OpenDocument(write(QStringLiteral("a.txt")));
        QCOMPARE(list()->rowCount(), 1);
    }

    void errorInAnEventHandlerIsReportedOnceAndTheProgramGoesOn()
    {
        FaultyWidget faulty;
        faulty.resize(50, 50);
        faulty.show();
        QVERIFY(QTest::qWaitForWindowExposed(&faulty));
        QTest::mouseClick(&faulty, Qt::LeftButton);
        QCOMPARE(m_dialogs->messages, QStringList({"An unhandled Exeption has occured"}));

        QTest::mouseClick(&faulty, Qt::LeftButton);
        QCOMPARE(m_dialogs->messages.size(), 2);
    }

    void errorInACommandIsReportedOnceAndTheProgramGoesOn()
    {
        winMain &window = winMain::instance();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        App::instance().handlers().add(QStringLiteral("EditCopy"),
                                       []() -> bool { throw std::logic_error("fault in a command"); });
        MenuBar1::instance().dispatch(QStringLiteral("EditCopy"));
        QCOMPARE(m_dialogs->messages, QStringList({"An unhandled Exeption has occured"}));

        // The program goes on: the next command works.
        m_dialogs->answerNextFileDialog(write(QStringLiteral("a.txt")));
        MenuBar1::instance().item(QStringLiteral("FileNewAttachment"))->trigger();
        QCOMPARE(list()->rowCount(), 1);
        QCOMPARE(m_dialogs->messages.size(), 1);
    }
};

NOTEPACK_GUI_TEST_MAIN(TestApp)
#include "tst_app.moc"
