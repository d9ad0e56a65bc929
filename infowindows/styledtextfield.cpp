// SPDX-License-Identifier: MIT
#include "styledtextfield.h"

#include <QScrollBar>
#include <QTextCursor>

StyledTextField::StyledTextField(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

QString StyledTextField::withFieldLineBreaks(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

void StyledTextField::setStyledText(const notepack::StyledText &styled)
{
    clear();
    const QString text = withFieldLineBreaks(QString::fromStdU16String(styled.text));
    QTextCursor cursor(document());
    for (const notepack::MarkupRun &run : styled.runs) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        // A size of 0 or less (a font tag without a number) cannot be shown;
        // such text keeps the field's own size.
        format.setFontPointSize(run.size > 0 ? run.size : font().pointSizeF());
        cursor.insertText(text.mid(run.start, run.length), format);
    }
    QTextCursor start(document());
    setTextCursor(start);
    verticalScrollBar()->setValue(0);
}

void StyledTextField::setUnstyledText(const QString &text)
{
    setPlainText(withFieldLineBreaks(text));
}
