// SPDX-License-Identifier: MIT
#pragma once

#include "filelist.h"
#include "scripteddialogs.h"
#include "winmain.h"

#include "archiveformat.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

namespace guitest {

// The main window with its dialogs answered by a script, and what tests of
// its list and its conversions look at. The window is released with the
// harness.
class MainWindowHarness {
public:
    MainWindowHarness()
        : window(&winMain::instance())
        , list(window->findChild<FileList *>(QStringLiteral("ListBox1")))
    {
    }
    ~MainWindowHarness() { winMain::release(); }
    MainWindowHarness(const MainWindowHarness &) = delete;
    MainWindowHarness &operator=(const MainWindowHarness &) = delete;

    QPushButton *button() const
    {
        return window->findChild<QPushButton *>(QStringLiteral("cmdSend"));
    }
    QLabel *status() const { return window->findChild<QLabel *>(QStringLiteral("LabStatus")); }
    QProgressBar *bar() const
    {
        return window->findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
    }

    // Presses Convert with the mouse and saves to destination.
    void convertTo(const QString &destination)
    {
        dialogs.answerNextFileDialog(destination);
        QTest::mouseClick(button(), Qt::LeftButton);
    }

    QStringList shownNames() const
    {
        QStringList names;
        for (int row = 0; row < list->rowCount(); ++row)
            names.append(list->cell(row, 0));
        return names;
    }
    QStringList paths() const
    {
        QStringList paths;
        for (int row = 0; row < list->rowCount(); ++row)
            paths.append(list->path(row));
        return paths;
    }
    // After a run that failed: ready for the next, and not claiming success.
    bool idleWithoutSuccess() const
    {
        return button()->text() == QLatin1String("Convert") &&
               status()->text() != QLatin1String("done") && list->isEnabled() &&
               bar()->value() == 0;
    }
    bool idleAfterSuccess() const
    {
        return button()->text() == QLatin1String("Convert") &&
               status()->text() == QLatin1String("done") && list->isEnabled() &&
               bar()->value() == 0;
    }

    static QByteArray read(const QString &path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    // Every name in the folder, hidden ones too: a temporary file left behind
    // shows here.
    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    static QByteArray archiveOf(const std::vector<std::string> &memos)
    {
        std::string archive =
            notepack::MakeArchiveHeader(static_cast<std::int32_t>(memos.size()), "test");
        for (const std::string &memo : memos)
            notepack::appendMemoRecord(archive, memo);
        return QByteArray::fromStdString(archive);
    }

    winMain *window;
    FileList *list;
    ScriptedDialogs dialogs;
};

} // namespace guitest
