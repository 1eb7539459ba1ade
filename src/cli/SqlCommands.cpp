#include "cli/Commands.h"

namespace kovara::cli {

int sqlCommand(const Context &ctx)
{
    ctx.err << "Comanda sql nu este inca disponibila.\n";
    return 1;
}

int checkCommand(const Context &ctx)
{
    ctx.err << "Comanda check nu este inca disponibila.\n";
    return 1;
}

} // namespace kovara::cli
