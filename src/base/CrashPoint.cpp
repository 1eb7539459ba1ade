#include "base/CrashPoint.h"

#include <cstdlib>
#include <cstring>

namespace kovara {

void crashPoint(const char *point)
{
    const char *wanted = std::getenv("KOVARA_CRASH_AFTER");
    if (!wanted)
        return;
    const char *colon = std::strrchr(wanted, ':');
    const size_t length = std::strlen(point);
    if (!colon || size_t(colon - wanted) != length || std::strncmp(wanted, point, length) != 0)
        return;
    static long passes = 0;
    if (++passes == std::strtol(colon + 1, nullptr, 10))
        std::_Exit(kCrashPointExitCode);
}

} // namespace kovara
