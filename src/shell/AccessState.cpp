#include "shell/AccessState.h"

namespace kovara {

AccessState::AccessState(QObject *parent)
    : QObject(parent)
{
}

void AccessState::setGranted(bool granted)
{
    if (m_granted == granted)
        return;
    m_granted = granted;
    emit changed(granted);
}

} // namespace kovara
