#pragma once

// Whether the main commands are enabled: locked at every start, granted by
// the administrator login, changed again by the administration window's
// access box. The program keeps one, created with its windows.

#include <QObject>

namespace kovara {

class AccessState : public QObject
{
    Q_OBJECT
public:
    explicit AccessState(QObject *parent = nullptr);

    bool granted() const { return m_granted; }
    // Emits changed when the state is not already the given one.
    void setGranted(bool granted);

signals:
    void changed(bool granted);

private:
    bool m_granted = false;
};

} // namespace kovara
