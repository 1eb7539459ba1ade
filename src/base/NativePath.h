#pragma once

#include <QString>

namespace kovara {

// The path as the operating system writes it (\\ on Windows), for messages.
QString NativePath(const QString &path);

} // namespace kovara
