#pragma once

// A document command that stops with its own message: the window shows it
// as an error box titled `title` with the button OK, the command line
// prints the text and exits with 1.

#include "base/Error.h"

namespace kovara {

class DocumentRefusal : public Error
{
public:
    DocumentRefusal(QString title, QString text)
        : Error(std::move(text))
        , m_title(std::move(title))
    {
    }
    const QString &title() const noexcept { return m_title; }

private:
    QString m_title;
};

} // namespace kovara
