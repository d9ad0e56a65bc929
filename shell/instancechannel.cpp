// SPDX-License-Identifier: MIT
#include "instancechannel.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int kTimeoutMs = 2000;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_4;

} // namespace

InstanceChannel::InstanceChannel(QString socketPath, QObject *parent)
    : QObject(parent)
    , m_socketPath(std::move(socketPath))
{
}

InstanceChannel::~InstanceChannel() = default;

QString InstanceChannel::defaultSocketPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QString user = qEnvironmentVariable("USER", QStringLiteral("user"));
    return QDir(folder).filePath(QStringLiteral("io.github.notepack.Notepack-%1.socket").arg(user));
}

bool InstanceChannel::handOver(const QStringList &documents)
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << documents;
    socket.write(message);
    if (!socket.waitForBytesWritten(kTimeoutMs))
        return false;
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(kTimeoutMs);
}

bool InstanceChannel::listen()
{
    // Listening replaces whatever socket is at the path, so first make sure
    // no Notepack that started at the same moment listens there already.
    QLocalSocket probe;
    probe.connectToServer(m_socketPath);
    if (probe.waitForConnected(kTimeoutMs))
        return false;
    // What is left there is the socket of a Notepack that ended without
    // removing it.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::receive);
    return m_server->listen(m_socketPath);
}

void InstanceChannel::receive()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The sender writes one message and disconnects; it is read whole then.
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            QDataStream in(socket->readAll());
            in.setVersion(kStreamVersion);
            QStringList documents;
            in >> documents;
            if (in.status() == QDataStream::Ok)
                Q_EMIT documentsReceived(documents);
        });
    }
}
