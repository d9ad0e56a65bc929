// SPDX-License-Identifier: MIT
#include "winmain.h"

#include "anchorlayout.h"
#include "dialogs.h"
#include "eventloopyield.h"
#include "filelist.h"
#include "filelistfiller.h"
#include "filenametext.h"
#include "filetypes.h"
#include "listeditor.h"
#include "menubar1.h"

#include "conversionrun.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>

QPointer<winMain> winMain::s_instance;

namespace {

constexpr QSize kContentSize(280, 240);
constexpr int kLargestSide = 32000;
const Qt::Edges kAllEdges = Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge;

QFont smallSystemFont()
{
    return QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont);
}

} // namespace

winMain &winMain::instance()
{
    if (!s_instance) {
        s_instance = new winMain;
        s_instance->Event_Open();
        s_instance->show();
    }
    return *s_instance;
}

winMain *winMain::existing()
{
    return s_instance.data();
}

void winMain::release()
{
    delete s_instance.data();
}

winMain::winMain()
{
    Layout();
    AddMenuHandlers();
}

winMain::~winMain()
{
    m_filler->stop();
    // The menu bar is shared and outlives the window.
    if (QWidget *bar = menuWidget())
        bar->setParent(nullptr);
}

void winMain::Layout()
{
    setWindowTitle(QStringLiteral("Notepack"));
    setMenuBar(&MenuBar1::instance());

    auto *content = new QWidget(this);
    content->setMaximumSize(kLargestSide, kLargestSide);
    auto *layout = new AnchorLayout(content, kContentSize);

    ListBox1 = new FileList(content);
    layout->addWidget(ListBox1, QRect(-1, -1, 282, 168), kAllEdges);
    ListBox1_Open();
    m_filler = std::make_unique<FileListFiller>(ListBox1);
    connect(ListBox1, &FileList::itemSelectionChanged, this, &winMain::ListBox1_Change);
    connect(ListBox1, &FileList::filesDropped, this, &winMain::dropObject);
    m_listEditor = new ListEditor(ListBox1, this);
    connect(m_listEditor, &ListEditor::rowsChanged, this, &winMain::updatefilecount);

    cmdSend = new QPushButton(QStringLiteral("Convert"), content);
    cmdSend->setObjectName(QStringLiteral("cmdSend"));
    cmdSend->setFont(QApplication::font());
    cmdSend->setDefault(true);
    layout->addWidget(cmdSend, QRect(191, 197, 69, 20), Qt::RightEdge | Qt::BottomEdge);
    connect(cmdSend, &QPushButton::clicked, this, &winMain::cmdSend_Action);
    // A main window has no default button of its own; Return presses it here.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, cmdSend, &QPushButton::animateClick);

    LabStatus = new QLabel(QStringLiteral("status"), content);
    LabStatus->setObjectName(QStringLiteral("LabStatus"));
    QFont statusFont = smallSystemFont();
    statusFont.setItalic(true);
    LabStatus->setFont(statusFont);
    LabStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LabStatus->setStyleSheet(QStringLiteral("color: black"));
    layout->addWidget(LabStatus, QRect(20, 179, 159, 20), Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);

    ProgressBar1 = new QProgressBar(content);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    layout->addWidget(ProgressBar1, QRect(20, 199, 159, 18), Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);

    ListBox1->setAccessibleName(tr("Files to pack"));
    LabStatus->setAccessibleName(tr("Status"));
    ProgressBar1->setAccessibleName(tr("Conversion progress"));
    setTabOrder(ListBox1, cmdSend);

    setCentralWidget(content);
    resize(sizeHint());
}

void winMain::ListBox1_Open()
{
    ListBox1->setAcceptDrops(true);
}

void winMain::Event_Open()
{
    LabStatus->setText(QStringLiteral("idle"));
    m_dropTypes = FileTypes::dropTypes();
    setAcceptDrops(true);
}

void winMain::AddMenuHandlers()
{
    m_handlers.add(QStringLiteral("FileNewAttachment"), [this] { return _FileNewAttachment_Action(); });
    m_handlers.add(QStringLiteral("filecloseWindow"), [this] { return _filecloseWindow_Action(); });
}

void winMain::enableMenuItems(MenuBar1 &menuBar)
{
    for (const char *name : {"FileNewAttachment", "EditSelectAll", "FileCloseWindow"}) {
        if (MenuItem *item = menuBar.item(QLatin1String(name)))
            item->setEnabled(true);
    }
}

bool winMain::_FileNewAttachment_Action()
{
    NewAttachment();
    return false;
}

bool winMain::_filecloseWindow_Action()
{
    close();
    return false;
}

void winMain::closeEvent(QCloseEvent *event)
{
    m_filler->stop();
    m_stopRun.request_stop();
    event->accept();
    QCoreApplication::exit(0);
}

void winMain::busy()
{
    ListBox1->setEnabled(false);
    cmdSend->setText(QStringLiteral("Cancel"));
    cancelled = false;
    ProgressBar1->setMaximum(0);
    repaint();
}

void winMain::done()
{
    ListBox1->setEnabled(true);
    updatefilecount();
    cancelled = true;
    LabStatus->setText(QStringLiteral("done"));
    ProgressBar1->setValue(0);
    ProgressBar1->setMaximum(1);
    cmdSend->setText(QStringLiteral("Convert"));
}

void winMain::updatefilecount()
{
    const int rows = ListBox1->rowCount();
    ListBox1->setHeading(rows == 1 ? QStringLiteral("1 File") : QStringLiteral("%1 Files").arg(rows));
}

void winMain::ListBox1_Change()
{
    updatefilecount();
}

void winMain::ReadFolderItem(const QString &path)
{
    m_filler->add(path);
}

std::optional<QString> winMain::ShowFolderDialog()
{
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = QStringLiteral("Select File");
    request.prompt = QStringLiteral("Select a File to attach");
    request.actionButton = QStringLiteral("Select");
    return Dialogs::current().chooseFile(this, request);
}

void winMain::NewAttachment()
{
    const std::optional<QString> chosen = ShowFolderDialog();
    if (!chosen)
        return;
    ReadFolderItem(*chosen);
    updatefilecount();
}

bool winMain::acceptsDrop(const QMimeData *data) const
{
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && m_dropTypes.contains(FileTypes::typeOf(QFileInfo(url.toLocalFile()))))
            return true;
    }
    return false;
}

void winMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
}

void winMain::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
}

void winMain::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    dropObject(event->mimeData()->urls());
}

void winMain::dropObject(const QList<QUrl> &urls)
{
    for (const QUrl &url : urls) {
        // The first item that is no file ends the drop's list.
        if (!url.isLocalFile())
            break;
        // The URL's percent-encoding holds the name's bytes even where they
        // are not UTF-8, which toLocalFile() would replace.
        const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        ReadFolderItem(fileNameText(path.toStdString()));
    }
    updatefilecount();
}

void winMain::RemoveItem()
{
    m_listEditor->RemoveItem();
}

void winMain::cmdSend_Action()
{
    category = QStringLiteral("test");
    if (cmdSend->text() != QLatin1String("Convert")) {
        done();
        m_stopRun.request_stop();
        return;
    }
    busy();
    LabStatus->setText(QStringLiteral("Merging..."));
    NoOfFiles = ListBox1->rowCount();
    ProgressBar1->setMaximum(NoOfFiles);

    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.prompt = QStringLiteral("Enter a filename");
    request.title = QStringLiteral("Save mpa file");
    request.filterName = FileTypes::pMemopadArchive().name;
    request.filterExtension = FileTypes::pMemopadArchive().extensions.constFirst();
    request.suggestedName = QStringLiteral("archive.mpa");
    request.actionButton = QStringLiteral("Select");
    request.initialPath = destination.value_or(QString());
    destination = Dialogs::current().chooseFile(this, request);
    if (!destination) {
        done();
        return;
    }
    convert();
}

void winMain::convert()
{
    std::vector<std::string> paths;
    const int rows = std::min(NoOfFiles, ListBox1->rowCount());
    paths.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row)
        paths.push_back(fileNameBytes(ListBox1->path(row)));

    // A Cancel press stops this run; a run started after it has its own.
    m_stopRun = std::stop_source();
    const std::stop_source stop = m_stopRun;
    const int run = ++m_runNumber;
    // Memos can come far faster than the screen can show them; the bar and
    // the status line (and the name decoding for it) follow at each yield
    // instead of at each memo.
    int lastMemo = 0;
    std::string lastName;
    const auto show = [this, &lastMemo, &lastName] {
        if (!lastName.empty())
            CurrentFileName = fileNameText(lastName);
        showProgress(lastMemo);
    };
    EventLoopYield yield(show);
    const auto report = [&lastMemo, &lastName, &yield](const notepack::MemoProgress &progress) {
        lastMemo = progress.memoNumber;
        lastName = progress.currentFileName;
        yield.pass();
    };
    const notepack::ConversionResult result =
        notepack::ConvertFiles(paths, category.toStdString(), fileNameBytes(*destination),
                               report, stop.get_token());
    if (run != m_runNumber)
        return;
    if (result.outcome == notepack::ConversionResult::Outcome::Stopped) {
        LabStatus->setText(QStringLiteral("cancelled"));
        return;
    }
    show();
    ProgressBar1->repaint();
    LabStatus->repaint();
    done();
    if (!result.succeeded()) {
        LabStatus->setText(QStringLiteral("not written"));
        Dialogs::current().showMessage(this, fileNameText(result.message()));
    }
}

void winMain::showProgress(int memoNumber)
{
    ProgressBar1->setValue(memoNumber);
    LabStatus->setText(CurrentFileName);
}
