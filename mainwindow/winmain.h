// SPDX-License-Identifier: MIT
#pragma once

// Notepack's window: the file list, the Convert button, a status line and a
// progress bar. Files reach the list by drops, by File > Add File... and as
// documents handed over by the system; each way ends in ReadFolderItem, which
// walks folders with the archive core's walk. The menu bar (shell) sends
// commands here through the handlers registered in AddMenuHandlers.

#include "commandhandlers.h"
#include "commandtarget.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <optional>
#include <stop_token>

class FileList;
class FileListFiller;
class ListEditor;
class QLabel;
class QMimeData;
class QProgressBar;
class QPushButton;

class winMain : public QMainWindow, public CommandTarget {
    Q_OBJECT
public:
    // The one main window: created, laid out, opened and shown on first use.
    static winMain &instance();
    static winMain *existing();
    static void release();
    ~winMain() override;

    void busy();
    void done();
    void updatefilecount();
    // Appends the rows for a file, or for everything in a folder. An item
    // that arrives while a walk is going on is walked after it.
    void ReadFolderItem(const QString &path);
    std::optional<QString> ShowFolderDialog();
    void NewAttachment();
    void RemoveItem();

    const CommandHandlers &commandHandlers() const override { return m_handlers; }
    void enableMenuItems(MenuBar1 &menuBar) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    winMain();

    void Layout();
    void Event_Open();
    void AddMenuHandlers();
    void ListBox1_Open();
    bool _FileNewAttachment_Action();
    bool _filecloseWindow_Action();
    void ListBox1_Change();
    void cmdSend_Action();
    void convert();
    void showProgress(int memoNumber);
    void dropObject(const QList<QUrl> &urls);
    bool acceptsDrop(const QMimeData *data) const;

    FileList *ListBox1 = nullptr;
    QPushButton *cmdSend = nullptr;
    QLabel *LabStatus = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    ListEditor *m_listEditor = nullptr; // owns the context menu

    // The run's properties.
    int NoOfFiles = 0;
    bool cancelled = false;
    std::optional<QString> destination;
    QString CurrentFileName;
    QString category;

    CommandHandlers m_handlers;
    QStringList m_dropTypes;
    std::unique_ptr<FileListFiller> m_filler;
    std::stop_source m_stopRun;
    int m_runNumber = 0;

    static QPointer<winMain> s_instance;
};
