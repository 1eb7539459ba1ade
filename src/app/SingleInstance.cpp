#include "app/SingleInstance.h"

#include "base/Platform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace kovara {
namespace {

const QByteArray ActivateMessage = QByteArrayLiteral("activate\n");

} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
    , m_key(key)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultKey()
{
    // One copy per user, as the system knows the user: whatever the
    // environment the copy was started with (USER, TMPDIR).
    QString safe;
    for (const QChar c : platform::userIdentity())
        safe += (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('_') ? c : QLatin1Char('_');
    return QStringLiteral("kovara-") + safe;
}

bool SingleInstance::claim()
{
    auto lock = std::make_unique<QLockFile>(platform::sharedLockFolder() + QLatin1Char('/') + m_key +
                                            QStringLiteral(".lock"));
    lock->setStaleLockTime(0); // a lock is stale only when its process is gone
    if (!lock->tryLock(0)) {
        notifyRunningCopy();
        return false;
    }
    m_lock = std::move(lock);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(platform::localServerName(m_key)); // left behind by a copy that crashed
    m_server->listen(platform::localServerName(m_key));
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
    return true;
}

bool SingleInstance::notifyRunningCopy()
{
    // The first copy may still be starting: try for a few seconds.
    QDeadlineTimer deadline(3000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(platform::localServerName(m_key));
        if (socket.waitForConnected(500)) {
            socket.write(ActivateMessage);
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}

void SingleInstance::onConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        auto drain = [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == ActivateMessage)
                    emit activateRequested();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, drain);
        connect(socket, &QLocalSocket::disconnected, this, [socket, drain] {
            drain();
            socket->deleteLater();
        });
        drain();
    }
}

} // namespace kovara
