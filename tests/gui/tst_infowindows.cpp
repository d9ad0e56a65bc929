// SPDX-License-Identifier: MIT
#include "aboutwindow.h"
#include "guitest.h"
#include "menubar1.h"
#include "pictures.h"
#include "styledtextfield.h"
#include "winhelp.h"
#include "winmain.h"

#include <QDesktopServices>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>

namespace {

struct Style {
    bool bold;
    bool italic;
    int size;
    bool operator==(const Style &) const = default;
};

// The style of the field's character at position, read from the document's
// fragments (a line break is a block boundary there and has none).
Style styleAt(const QTextEdit *field, int position)
{
    const QTextBlock block = field->document()->findBlock(position);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.contains(position)) {
            const QTextCharFormat format = fragment.charFormat();
            return {format.fontWeight() >= QFont::Bold, format.fontItalic(), int(format.fontPointSize())};
        }
    }
    return {false, false, -1};
}

// Checks that every character of text, found in the field, has the style.
void expectStyle(const QTextEdit *field, const QString &text, Style style)
{
    const int start = int(field->toPlainText().indexOf(text));
    QVERIFY2(start >= 0, qPrintable(text));
    for (int position = start; position < start + text.size(); ++position)
        QVERIFY2(styleAt(field, position) == style, qPrintable(QStringLiteral("%1 at %2").arg(text).arg(position)));
}

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

class TestInfoWindows : public QObject {
    Q_OBJECT

private:
    MenuItem *item(const char *name) const { return MenuBar1::instance().item(QLatin1String(name)); }
    AboutWindow *about() const { return AboutWindow::existing(); }
    template <typename T> T *control(QWidget *window, const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    void bringToFront(QWidget *window)
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void openAbout()
    {
        item("AppleAboutPostling")->trigger();
        QVERIFY(about());
        QVERIFY(QTest::qWaitForWindowActive(about()));
    }
    void openHelp()
    {
        item("HelpHelp")->trigger();
        QVERIFY(winHelp::existing());
        QVERIFY(QTest::qWaitForWindowActive(winHelp::existing()));
    }
    void closeAll()
    {
        delete AboutWindow::existing();
        delete winHelp::existing();
    }

private Q_SLOTS:
    void init() { bringToFront(&winMain::instance()); }
    void cleanup()
    {
        closeAll();
        winMain::release();
    }

    void applicationHandlersAreRegisteredInOrder()
    {
        QCOMPARE(App::instance().commandHandlers().names().mid(0, 2),
                 QStringList({"appleAboutPostling", "HelpHelp"}));
    }

    void versionStringForEveryStage_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("text");
        QTest::newRow("development") << 0 << "1.2.3 (Dev. 4)";
        QTest::newRow("alpha") << 1 << "1.2.3a4";
        QTest::newRow("beta") << 2 << "1.2.3b4";
        QTest::newRow("final") << 3 << "1.2.3 (4)";
        QTest::newRow("other") << 7 << "1.2.3";
        QTest::newRow("negative") << -1 << "1.2.3";
    }

    void versionStringForEveryStage()
    {
        QFETCH(int, stage);
        QFETCH(QString, text);
        QCOMPARE(AboutWindow::VersionString({1, 2, 3, stage, 4}), text);
    }

    void aboutShowsItsTextsWithCredits()
    {
        openAbout();
        QVERIFY(about()->windowTitle().isEmpty());
        QCOMPARE(about()->size(), QSize(284, 366));
        QCOMPARE(about()->minimumSize(), about()->maximumSize()); // not resizable
        QVERIFY(!(about()->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(control<QLabel>(about(), "StatAppName")->text(), QStringLiteral("Notepack"));
        QVERIFY(control<QLabel>(about(), "StatAppName")->font().bold());
        QCOMPARE(control<QLabel>(about(), "StatAppVersion")->text(),
                 QStringLiteral("Version ") + about()->VersionString());
        const QString notice = control<QLabel>(about(), "StatAppCopyright")->text();
        QCOMPARE(notice.count(QLatin1Char('\n')), 1);
        QVERIFY(notice.startsWith(QStringLiteral("\u00A9 2026 ")));
        QVERIFY(notice.section(QLatin1Char('\n'), 0, 0).endsWith(QLatin1Char(',')));

        auto *credits = control<StyledTextField>(about(), "EditAppCredits");
        QVERIFY(credits->isVisible());
        QVERIFY(credits->isReadOnly());
        expectStyle(credits, QStringLiteral("Author:"), {true, false, 12});
        expectStyle(credits, QStringLiteral("      The Notepack developers"), {false, false, 12});
        expectStyle(credits, QStringLiteral("Disclaimer:"), {true, false, 12});
        expectStyle(credits, QStringLiteral("NOTEPACK IS PROVIDED AS IT IS"), {false, false, 10});
        QCOMPARE(credits->document()->blockCount(), 5);
        QVERIFY(!credits->textCursor().hasSelection());
        QCOMPARE(credits->textCursor().position(), 0);
        QCOMPARE(credits->verticalScrollBar()->value(), 0);
    }

    void aboutLayoutsWithAndWithoutCredits()
    {
        openAbout();
        auto *notice = control<QLabel>(about(), "StatAppCopyright");
        auto *badge = control<QWidget>(about(), "BadgeIconCanvas");
        auto *credits = control<QWidget>(about(), "EditAppCredits");
        QCOMPARE(notice->geometry(), QRect(20, 280, 244, 32));
        QCOMPARE(badge->geometry(), QRect(34, 324, 216, 30));

        about()->Show(false);
        QVERIFY(!credits->isVisible());
        QCOMPARE(notice->y(), 132);
        QCOMPARE(badge->y(), 176);
        QCOMPARE(about()->height(), 218);

        about()->Show(true);
        QVERIFY(credits->isVisible());
        QCOMPARE(notice->y(), 280);
        QCOMPARE(badge->y(), 324);
        QCOMPARE(about()->height(), 366);
        // The icon, name and version never move.
        QCOMPARE(control<QWidget>(about(), "AppIconCanvas")->geometry(), QRect(110, 8, 64, 64));
        QCOMPARE(control<QWidget>(about(), "StatAppVersion")->geometry(), QRect(20, 112, 244, 12));
    }

    void aboutCommandReusesTheWindowUntilItIsClosed()
    {
        openAbout();
        QPointer<AboutWindow> first = about();
        auto *credits = control<StyledTextField>(about(), "EditAppCredits");
        credits->selectAll();
        item("AppleAboutPostling")->trigger();
        QCOMPARE(about(), first.data());
        // Filled anew: the same styles, nothing selected.
        QVERIFY(!credits->textCursor().hasSelection());
        expectStyle(credits, QStringLiteral("Author:"), {true, false, 12});
        QCOMPARE(credits->document()->blockCount(), 5);

        about()->close();
        QTRY_VERIFY(!first);
        openAbout();
        QVERIFY(about());
    }

    void helpShowsItsStyledText()
    {
        openHelp();
        winHelp *help = winHelp::existing();
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(help->size(), QSize(400, 400));
        auto *field = control<StyledTextField>(help, "EditField1");
        QCOMPARE(field->geometry(), QRect(-2, -2, 404, 404));
        QVERIFY(field->isReadOnly());
        const QString text = field->toPlainText();
        QVERIFY(!text.contains(QLatin1Char('<')));
        QCOMPARE(field->document()->blockCount(), 8);
        QVERIFY(text.startsWith(QStringLiteral("Notepack - Help\n\nNotepack Notepack is an application")));

        expectStyle(field, QStringLiteral("Notepack - Help"), {true, false, 14});
        // After the heading's two line breaks, the italic first word.
        QCOMPARE(field->document()->findBlockByNumber(1).length(), 1);
        for (int position = 17; position < 17 + 8; ++position)
            QCOMPARE(styleAt(field, position), (Style{false, true, 12}));
        expectStyle(field, QStringLiteral(" Notepack is an application that packs"), {false, false, 12});
        expectStyle(field, QStringLiteral("Converting Textfiles to mpa (Memopad Archive) format"), {true, false, 12});
        expectStyle(field, QStringLiteral("To start the conversion press \"Convert\"."), {false, false, 12});
        QVERIFY(!field->textCursor().hasSelection());
        QCOMPARE(field->verticalScrollBar()->value(), 0);
    }

    void helpFieldFollowsTheWindow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("smallest") << QSize(64, 64);
        QTest::newRow("large") << QSize(900, 700);
    }

    void helpFieldFollowsTheWindow()
    {
        QFETCH(QSize, size);
        openHelp();
        winHelp *help = winHelp::existing();
        help->resize(size);
        QTRY_COMPARE(help->size(), size);
        auto *field = control<StyledTextField>(help, "EditField1");
        QCOMPARE(field->geometry(), QRect(QPoint(-2, -2), size + QSize(4, 4)));
        QVERIFY(!field->horizontalScrollBar()->isVisible());
        QCOMPARE(field->lineWrapMode(), QTextEdit::WidgetWidth);
    }

    void helpCommandReusesTheWindowUntilItIsClosed()
    {
        openHelp();
        QPointer<winHelp> first = winHelp::existing();
        bringToFront(&winMain::instance());
        openHelp();
        QCOMPARE(winHelp::existing(), first.data());
        QCOMPARE(QApplication::activeWindow(), first.data());
        first->close();
        QTRY_VERIFY(!first);
        openHelp();
        QVERIFY(winHelp::existing());
    }

    void bothCommandsWorkWhicheverWindowIsInFront_data()
    {
        QTest::addColumn<QString>("front");
        QTest::newRow("main window") << "main";
        QTest::newRow("About window") << "about";
        QTest::newRow("Help window") << "help";
    }

    void bothCommandsWorkWhicheverWindowIsInFront()
    {
        QFETCH(QString, front);
        if (front == QLatin1String("about"))
            openAbout();
        else if (front == QLatin1String("help"))
            openHelp();
        MenuBar1::instance().refreshEnabling();
        QVERIFY(item("AppleAboutPostling")->isEnabled());
        QVERIFY(item("HelpHelp")->isEnabled());

        MenuBar1::instance().dispatch(QStringLiteral("HelpHelp"));
        QVERIFY(winHelp::existing() && winHelp::existing()->isVisible());
        if (front == QLatin1String("about"))
            bringToFront(about());
        MenuBar1::instance().dispatch(QStringLiteral("AppleAboutPostling"));
        QVERIFY(about() && about()->isVisible());
        QCOMPARE(about()->height(), 366);
    }

    void closeWindowWithTheAboutWindowInFrontClosesOnlyIt()
    {
        openHelp();
        openAbout();
        QPointer<AboutWindow> window = about();
        MenuBar1::instance().refreshEnabling();
        QVERIFY(item("FileCloseWindow")->isEnabled());
        QTest::keyClick(window.data(), Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(!window);
        QVERIFY(winMain::instance().isVisible());
        QVERIFY(winHelp::existing());
    }

    void closeWindowWithTheHelpWindowInFrontDoesNothing()
    {
        openHelp();
        MenuBar1::instance().refreshEnabling();
        QVERIFY(!item("FileCloseWindow")->isEnabled());
        QVERIFY(!item("FileNewAttachment")->isEnabled());
        QTest::keyClick(winHelp::existing(), Qt::Key_W, Qt::ControlModifier);
        MenuBar1::instance().dispatch(QStringLiteral("FileCloseWindow"));
        QVERIFY(winHelp::existing()->isVisible());
        QVERIFY(winMain::instance().isVisible());
    }

    void selectAllInTheAboutWindowIsDisabled()
    {
        openAbout();
        MenuBar1::instance().refreshEnabling();
        QVERIFY(!item("EditSelectAll")->isEnabled());
        QVERIFY(about()->commandHandlers().has(QStringLiteral("EditSelectAll")));
    }

    void badgeOpensTheWebPage()
    {
        openAbout();
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
        QTest::mouseClick(control<QWidget>(about(), "AppIconCanvas"), Qt::LeftButton);
        QVERIFY(recorder.opened.isEmpty());
        QTest::mouseClick(control<QWidget>(about(), "BadgeIconCanvas"), Qt::LeftButton, {}, QPoint(200, 25));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(recorder.opened, QList<QUrl>({QUrl(AboutWindow::webAddress())}));
        QVERIFY(AboutWindow::webAddress().startsWith(QStringLiteral("https://")));
    }

    void picturesAreLoadedOnceAndMasked()
    {
        for (Pictures::Id id : {Pictures::AboutIcon, Pictures::AboutMask, Pictures::BadgeArt, Pictures::BadgeArtMask}) {
            const QPixmap &picture = Pictures::picture(id);
            QVERIFY2(!picture.isNull(), qPrintable(QString::number(int(id))));
            QCOMPARE(&Pictures::picture(id), &picture);
        }
        QVERIFY(Pictures::picture(Pictures::BadgeArt).deviceIndependentSize().toSize().width() >= 216);
        QCOMPARE(Pictures::picture(Pictures::AboutIcon).deviceIndependentSize().toSize(), QSize(64, 64));

        // Where the mask is white the window's background shows through.
        const QImage mask = Pictures::picture(Pictures::AboutMask).toImage();
        const QImage icon = Pictures::masked(Pictures::AboutIcon, Pictures::AboutMask).toImage()
                                .convertToFormat(QImage::Format_ARGB32);
        int transparent = 0;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const bool opaque = qGray(mask.pixel(x, y)) < 128;
                QCOMPARE(qAlpha(icon.pixel(x, y)) > 0, opaque);
                transparent += opaque ? 0 : 1;
            }
        }
        QVERIFY(transparent > 0);
        QVERIFY(!QApplication::windowIcon().isNull());
    }
};

NOTEPACK_GUI_TEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
