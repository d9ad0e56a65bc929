// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs.h"

#include <QString>
#include <QStringList>

// Stands in for the user at the save dialog of one Convert press: installed
// while it lives, it answers every file dialog with the same path and keeps
// what was asked and said, so that a run that took another road shows.
class AnsweringDialogs : public Dialogs {
public:
    explicit AnsweringDialogs(QString answer);
    ~AnsweringDialogs() override;

    AnsweringDialogs(const AnsweringDialogs &) = delete;
    AnsweringDialogs &operator=(const AnsweringDialogs &) = delete;

    std::optional<QString> chooseFile(QWidget *parent, const FileDialogRequest &request) override;
    void showMessage(QWidget *parent, const QString &text) override;

    int saveRequests() const { return m_saveRequests; }
    int otherRequests() const { return m_otherRequests; }
    const QStringList &messages() const { return m_messages; }

private:
    QString m_answer;
    int m_saveRequests = 0;
    int m_otherRequests = 0;
    QStringList m_messages;
};
