// SPDX-License-Identifier: MIT
#include "aboutwindow.h"

#include "menubar1.h"
#include "notepackversion.h"
#include "picturecanvas.h"
#include "pictures.h"
#include "styledtextfield.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QUrl>

QPointer<AboutWindow> AboutWindow::s_instance;

namespace {

constexpr int kWidth = 284;
constexpr int kHeightWithCredits = 366;
constexpr int kHeightWithoutCredits = 218;

// The labels' sizes are the window's design, in pixels; their text is sized
// in pixels as well, so that it fits them on screens of any density.
QFont labelFont(int pixelSize, bool bold = false)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QLabel *centredLabel(QWidget *parent, const char *name, const QFont &font, QRect geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setStyleSheet(QStringLiteral("color: black"));
    label->setGeometry(geometry);
    return label;
}

} // namespace

AboutWindow &AboutWindow::instance()
{
    if (!s_instance)
        s_instance = new AboutWindow;
    return *s_instance;
}

AboutWindow *AboutWindow::existing()
{
    return s_instance.data();
}

AboutWindow::AboutWindow()
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    setMinimumSize(64, 64);
    setMaximumSize(32000, 32000);
    setFixedSize(kWidth, kHeightWithCredits);
    createControls();
    AddMenuHandlers();
    MenuBar1::instance().attachShortcutsTo(this);
}

void AboutWindow::createControls()
{
    AppIconCanvas = new PictureCanvas(
        [] { return Pictures::masked(Pictures::AboutIcon, Pictures::AboutMask); },
        [](QPainter &painter, const QPixmap &icon) {
            painter.drawPixmap(QRect(0, 0, 64, 64), icon, icon.rect());
        },
        this);
    AppIconCanvas->setObjectName(QStringLiteral("AppIconCanvas"));
    AppIconCanvas->setGeometry(110, 8, 64, 64);
    AppIconCanvas->setAccessibleName(tr("Notepack icon"));

    StatAppName = centredLabel(this, "StatAppName", labelFont(14, true), QRect(20, 86, 244, 16));
    StatAppVersion = centredLabel(this, "StatAppVersion", labelFont(10), QRect(20, 112, 244, 12));

    EditAppCredits = new StyledTextField(this);
    EditAppCredits->setObjectName(QStringLiteral("EditAppCredits"));
    QFont creditsFont = QApplication::font();
    creditsFont.setPointSize(12);
    EditAppCredits->setFont(creditsFont);
    EditAppCredits->setStyleSheet(QStringLiteral("QTextEdit { color: black; background: white; }"));
    EditAppCredits->setGeometry(0, 132, kWidth, 140);
    EditAppCredits->setAccessibleName(tr("Credits"));

    StatAppCopyright = centredLabel(this, "StatAppCopyright", labelFont(10), QRect(20, 280, 244, 32));
    StatAppCopyright->setWordWrap(true);

    BadgeIconCanvas = new PictureCanvas(
        [] { return Pictures::masked(Pictures::BadgeArt, Pictures::BadgeArtMask); },
        [](QPainter &painter, const QPixmap &badge) {
            const qreal scale = badge.devicePixelRatio();
            painter.drawPixmap(QRectF(0, 0, 216, 30), badge, QRectF(0, 0, 216 * scale, 30 * scale));
        },
        this);
    BadgeIconCanvas->setObjectName(QStringLiteral("BadgeIconCanvas"));
    BadgeIconCanvas->setGeometry(34, 324, 216, 30);
    BadgeIconCanvas->setCursor(Qt::PointingHandCursor);
    BadgeIconCanvas->setToolTip(webAddress());
    BadgeIconCanvas->setAccessibleName(tr("Project page"));
    BadgeIconCanvas->setAccessibleDescription(webAddress());
    connect(BadgeIconCanvas, &PictureCanvas::mouseDown, this, &AboutWindow::BadgeIconCanvas_MouseDown);
}

void AboutWindow::AddMenuHandlers()
{
    m_handlers.add(QStringLiteral("FileCloseWindow"), [this] { return _FileCloseWindow_Action(); });
    m_handlers.add(QStringLiteral("EditSelectAll"), [this] { return _EditSelectAll_Action(); });
}

bool AboutWindow::_FileCloseWindow_Action()
{
    close();
    return false;
}

bool AboutWindow::_EditSelectAll_Action()
{
    return false;
}

void AboutWindow::BadgeIconCanvas_MouseDown()
{
    QDesktopServices::openUrl(QUrl(webAddress()));
}

void AboutWindow::Show(bool useCredits)
{
    UseCredits = useCredits;
    SetupWindow();
    show();
    raise();
    activateWindow();
}

void AboutWindow::SetupWindow()
{
    StatAppName->setText(QStringLiteral("Notepack"));
    StatAppVersion->setText(QStringLiteral("Version ") + VersionString());
    StatAppCopyright->setText(StyledTextField::withFieldLineBreaks(rightsNotice()));

    const int height = UseCredits ? kHeightWithCredits : kHeightWithoutCredits;
    if (UseCredits) {
        SetCreditsFieldText(credits(), true);
        StatAppCopyright->move(20, 280);
        EditAppCredits->setVisible(true);
        BadgeIconCanvas->move(34, 324);
    } else {
        EditAppCredits->setVisible(false);
        StatAppCopyright->move(20, 132);
        BadgeIconCanvas->move(34, 176);
    }
    setFixedSize(kWidth, height);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void AboutWindow::SetCreditsFieldText(const QString &text, bool markup)
{
    if (!markup) {
        EditAppCredits->setUnstyledText(text);
        return;
    }
    EditAppCredits->setStyledText(notepack::RenderMarkup(text.toStdU16String(), 12, false));
}

QString AboutWindow::VersionString() const
{
    namespace version = notepack::version;
    return VersionString({version::kMajor, version::kMinor, version::kBug, version::kStageCode,
                          version::kNonRelease});
}

QString AboutWindow::VersionString(const VersionFields &fields)
{
    QString text = QStringLiteral("%1.%2.%3").arg(fields.major).arg(fields.minor).arg(fields.bug);
    switch (fields.stageCode) {
    case 0:
        return text + QStringLiteral(" (Dev. %1)").arg(fields.nonRelease);
    case 1:
        return text + QStringLiteral("a%1").arg(fields.nonRelease);
    case 2:
        return text + QStringLiteral("b%1").arg(fields.nonRelease);
    case 3:
        return text + QStringLiteral(" (%1)").arg(fields.nonRelease);
    default:
        return text;
    }
}

QString AboutWindow::credits()
{
    return QStringList({
                           QStringLiteral("<b>Author:</b>"),
                           QStringLiteral("      The Notepack developers"),
                           QString(),
                           QStringLiteral("<b>Disclaimer:</b>"),
                           QStringLiteral("<font size=\"10\">NOTEPACK IS PROVIDED AS IT IS, WITHOUT WARRANTY "
                                          "OF ANY KIND, EXPRESS OR IMPLIED. NO AUTHOR OR COPYRIGHT HOLDER "
                                          "SHALL BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY "
                                          "ARISING FROM THE USE OF NOTEPACK OR FROM OTHER DEALINGS IN "
                                          "IT.</font>"),
                       })
        .join(QLatin1Char('\r'));
}

QString AboutWindow::rightsNotice()
{
    return QStringLiteral("\u00A9 2026 The Notepack developers,\rAll rights reserved.");
}

QString AboutWindow::webAddress()
{
    return QString::fromLatin1(notepack::version::kHomepage);
}
