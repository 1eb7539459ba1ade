#include "base/Error.h"

namespace kovara {

Error::Error(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8())
{
}

} // namespace kovara
