// SPDX-License-Identifier: MIT
#pragma once

#include "markuprenderer.h"

#include <QTextEdit>

// A read-only multi-line field that shows rendered markup: each run's bold,
// italic and point size over the field's own font face.
class StyledTextField : public QTextEdit {
    Q_OBJECT
public:
    explicit StyledTextField(QWidget *parent = nullptr);

    // Replaces the content with the styled text, shows its first line and
    // leaves nothing selected.
    void setStyledText(const notepack::StyledText &styled);
    // Replaces the content with text as it is, in the field's own style.
    void setUnstyledText(const QString &text);

    // The program's texts break lines with CR; the field breaks them with
    // paragraphs, one position each, so run positions still match.
    static QString withFieldLineBreaks(QString text);
};
