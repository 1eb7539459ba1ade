#include "shell/ui/Resources.h"

#include <QtGlobal>

static void registerBundledPictures()
{
    Q_INIT_RESOURCE(resources);
}

namespace kovara {

void InitResources()
{
    static const bool done = (registerBundledPictures(), true);
    Q_UNUSED(done);
}

} // namespace kovara
