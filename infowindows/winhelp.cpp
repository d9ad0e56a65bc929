// SPDX-License-Identifier: MIT
#include "winhelp.h"

#include "menubar1.h"
#include "styledtextfield.h"

#include <QApplication>

QPointer<winHelp> winHelp::s_instance;

winHelp &winHelp::instance()
{
    if (!s_instance)
        s_instance = new winHelp;
    return *s_instance;
}

winHelp *winHelp::existing()
{
    return s_instance.data();
}

winHelp::winHelp()
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("winHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Help"));
    setMinimumSize(64, 64);
    setMaximumSize(32000, 32000);

    EditField1 = new StyledTextField(this);
    EditField1->setObjectName(QStringLiteral("EditField1"));
    EditField1->setAccessibleName(tr("Help text"));
    QFont font = QApplication::font();
    font.setPointSize(12);
    EditField1->setFont(font);
    EditField1->setStyleSheet(QStringLiteral("QTextEdit { color: black; background: white; }"));
    EditField1->setPlainText(helpText());
    EditField1_Open();

    MenuBar1::instance().attachShortcutsTo(this);
    resize(400, 400);
    show();
}

void winHelp::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The field's border lies just outside the window on every side, so the
    // text fills the window whatever its size.
    EditField1->setGeometry(rect().adjusted(-2, -2, 2, 2));
}

void winHelp::EditField1_Open()
{
    EditField1->setStyledText(notepack::RenderMarkup(helpText().toStdU16String(), 12, true));
}

QString winHelp::helpText()
{
    return QStringList({
                           QStringLiteral("<font size=\"14\"><b>Notepack - Help</b></font>"),
                           QString(),
                           QStringLiteral("<i>Notepack</i> Notepack is an application that packs individual "
                                          "text files into a singe mpa (Memopad Archive) file for Palm "
                                          "Handhelds. mpa files can be synchronized to the Palm Handheld "
                                          "via the Palm Desktop software."),
                           QString(),
                           QString(),
                           QStringLiteral("<b>Converting Textfiles to mpa (Memopad Archive) format</b>"),
                           QStringLiteral("Drag text files or folders containing text files into the file "
                                          "list in the upper part of the application window. The files will "
                                          "appear in the list. The list contents can be sorted and edited via "
                                          "the options available in the context menu (right-click on the "
                                          "list). It is also possible to reorder list items by dragging them "
                                          "up or down."),
                           QStringLiteral("To start the conversion press \"Convert\"."),
                       })
        .join(QLatin1Char('\r'));
}
