#pragma once

#include "engines/dbf/Dbf.h"

#include <QTextStream>

namespace kovara::cli {

// Lists, one line each, the requests whose applicant code or any filled child
// code fails the CNP check. Returns how many codes were listed. A table that
// lacks the request columns lists nothing.
qint64 listWrongCnps(const dbf::Table &table, QTextStream &out);

} // namespace kovara::cli
