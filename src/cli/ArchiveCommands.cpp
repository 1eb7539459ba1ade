#include "cli/Commands.h"

namespace kovara::cli {

int backupCommand(const Context &ctx)
{
    ctx.err << "Comanda backup nu este inca disponibila.\n";
    return 1;
}

int verifyCommand(const Context &ctx)
{
    ctx.err << "Comanda verify nu este inca disponibila.\n";
    return 1;
}

int restoreCommand(const Context &ctx)
{
    ctx.err << "Comanda restore nu este inca disponibila.\n";
    return 1;
}

} // namespace kovara::cli
