// SPDX-License-Identifier: MIT
#include "answeringdialogs.h"

AnsweringDialogs::AnsweringDialogs(QString answer)
    : m_answer(std::move(answer))
{
    Dialogs::install(this);
}

AnsweringDialogs::~AnsweringDialogs()
{
    Dialogs::install(nullptr);
}

std::optional<QString> AnsweringDialogs::chooseFile(QWidget *parent, const FileDialogRequest &request)
{
    (void)parent;
    if (request.mode == FileDialogRequest::Mode::Save) {
        ++m_saveRequests;
        return m_answer;
    }
    // Only Convert's save dialog is expected; anything else is cancelled.
    ++m_otherRequests;
    return std::nullopt;
}

void AnsweringDialogs::showMessage(QWidget *parent, const QString &text)
{
    (void)parent;
    m_messages.append(text);
}
