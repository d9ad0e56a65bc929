// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// Lets a Notepack that is starting hand its documents to one that is already
// running, so that opening files with Notepack adds them to the open window
// instead of opening a second one. The channel is a local socket that only
// the user can reach.
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    explicit InstanceChannel(QString socketPath, QObject *parent = nullptr);
    ~InstanceChannel() override;

    // In the user's runtime folder, or the temporary folder when there is none.
    static QString defaultSocketPath();

    // Sends the documents to the running Notepack; false when none is running.
    bool handOver(const QStringList &documents);
    // Starts taking documents from Notepacks started later.
    bool listen();

Q_SIGNALS:
    void documentsReceived(const QStringList &documents);

private:
    void receive();

    QString m_socketPath;
    QLocalServer *m_server = nullptr;
};
