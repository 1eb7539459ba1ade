#pragma once

#include <QString>
#include <exception>

namespace kovara {

// A failure of the core: carries the engine's or the system's own text, in
// the words the user is shown. Caught once, at the boundary of a command.
class Error : public std::exception
{
public:
    explicit Error(QString message);

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

} // namespace kovara
