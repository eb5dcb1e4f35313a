#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include "app/InstanceName.h"
#include "app/Paths.h"

namespace {
QString channelName()
{
    return QString::fromStdString(instanceChannelName(settingsFolder()));
}
} // namespace

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent)
    , server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine()) {
                    const QString message = QString::fromUtf8(socket->readLine()).trimmed();
                    socket->write("ok\n");
                    socket->flush();
                    Q_EMIT messageReceived(message);
                }
            });
        }
    });
}

bool SingleInstance::send(const QString& message, int timeoutMs)
{
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(channelName());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(message.toUtf8() + "\n");
    socket.waitForBytesWritten(timeoutMs);
    // The answer says the message was read; a client runs, answered or not.
    socket.waitForReadyRead(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    return server_->listen(channelName());
}
