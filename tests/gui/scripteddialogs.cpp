// SPDX-License-Identifier: MIT
#include "scripteddialogs.h"

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::install(nullptr);
}

void ScriptedDialogs::answerNextFileDialog(std::optional<QString> path)
{
    m_answers.push_back(std::move(path));
}

void ScriptedDialogs::whileNextFileDialogIsUp(std::function<void()> action)
{
    m_whileUp = std::move(action);
}

std::optional<QString> ScriptedDialogs::chooseFile(QWidget *parent, const FileDialogRequest &request)
{
    (void)parent;
    fileRequests.append(request);
    if (auto action = std::exchange(m_whileUp, {}))
        action();
    if (m_answers.empty())
        return std::nullopt;
    std::optional<QString> answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedDialogs::showMessage(QWidget *parent, const QString &text)
{
    (void)parent;
    messages.append(text);
}
