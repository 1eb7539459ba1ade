#pragma once

// One running copy of the program per user. The first copy holds a lock and
// listens on a local socket; a later copy finds the lock taken, sends
// "activate" to the first one and ends, without creating a window or
// writing anything.

#include <QCoreApplication>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

namespace kovara {

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &key = defaultKey(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first copy (from then on it listens for
    // later copies). False when another copy runs; that copy has been asked
    // to come forward.
    bool claim();

    // "kovara-<user>": the user as the system knows it (never from the
    // environment), safe as a file name. The lock and the local server live
    // in platform::sharedLockFolder(), not in TMPDIR.
    static QString defaultKey();

signals:
    // A later copy asked this one to come forward.
    void activateRequested();

private:
    bool notifyRunningCopy();
    void onConnection();

    QString m_key;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace kovara
