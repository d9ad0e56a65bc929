// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

// Answers the program's dialogs in tests: each file dialog takes the next
// queued answer (cancel when none is queued), and every request is kept, with
// all its settings, for the test to look at.
class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void answerNextFileDialog(std::optional<QString> path);
    // Runs while the next file dialog is "up", before it is answered.
    void whileNextFileDialogIsUp(std::function<void()> action);

    std::optional<QString> chooseFile(QWidget *parent, const FileDialogRequest &request) override;
    void showMessage(QWidget *parent, const QString &text) override;

    QList<FileDialogRequest> fileRequests;
    QStringList messages;

private:
    std::deque<std::optional<QString>> m_answers;
    std::function<void()> m_whileUp;
};
