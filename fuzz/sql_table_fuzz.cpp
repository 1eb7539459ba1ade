// Runs the engine's statements over arbitrary bytes taken as a table:
// reads (scans, orders, index lookups, aggregates) and writes (update,
// insert, delete). Nothing may crash; only kovara::Error may come out; a
// statement that fails leaves the file byte for byte as it was; no journal
// is ever left behind; a table changed by a statement opens again.

#include "base/Error.h"
#include "engines/dbf/Dbf.h"
#include "engines/dbf/SqlEngine.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

const QString &scratchPath()
{
    static const QString path =
        QDir::tempPath() + QStringLiteral("/kovara_sql_fuzz_%1/t.dbf").arg(QString::number(::getpid()));
    static const bool made = QDir().mkpath(QFileInfo(path).absolutePath());
    Q_UNUSED(made);
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The statements, chosen by the last byte of the input.
const char *const kStatements[] = {
    "SELECT * FROM t",
    "SELECT * FROM t ORDER BY 1 DESC",
    "SELECT * FROM t WHERE IDCERERE = ?",
    "SELECT COUNT(*), MIN(DINDATA), MAX(DINDATA) FROM t WHERE DINDATA >= '2000-01-01' AND DINDATA < ?",
    "SELECT * FROM t ORDER BY 2, 3 LIMIT 5",
    "UPDATE t SET IDCERERE = IDCERERE + 1",
    "UPDATE t SET DINDATA = ? WHERE rowid % 2 = 0",
    "DELETE FROM t WHERE rowid % 3 = 1",
    "INSERT INTO t (IDCERERE, DINDATA) VALUES (?, '2024-02-29')",
    "INSERT INTO t SELECT * FROM t LIMIT 3",
    "UPDATE t SET SUBSEMN = ? || SUBSEMN",
};
constexpr int kCount = int(sizeof(kStatements) / sizeof(kStatements[0]));

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QString path = scratchPath();
    const QByteArray table(reinterpret_cast<const char *>(data), qsizetype(size - 1));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(table);
    }
    QFile::remove(kovara::dbf::journalPath(path));
    const int chosen = data[size - 1] % kCount;
    const QString sql = QString::fromLatin1(kStatements[chosen]);
    const int binds = int(sql.count(u'?'));
    QVariantList values;
    if (binds > 0)
        values << (chosen == 6 || chosen == 3 ? QVariant(QStringLiteral("2024-03-01"))
                   : chosen == 10             ? QVariant(QStringLiteral("Ş"))
                                              : QVariant(7));

    bool failed = false;
    try {
        kovara::Database db;
        db.attach(QStringLiteral("t"), path);
        kovara::Statement st(db, sql);
        st.bind(values);
        int rows = 0;
        while (st.step() && rows < 100000)
            ++rows;
    } catch (const kovara::Error &) {
        failed = true;
    }
    if (QFile::exists(kovara::dbf::journalPath(path)))
        std::abort(); // a journal left behind
    const QByteArray after = readFile(path);
    if (failed && after != table)
        std::abort(); // a failed statement changed the file
    if (!failed && after != table) {
        try {
            kovara::dbf::Table::open(path, kovara::dbf::Mode::ReadWrite);
        } catch (const kovara::Error &) {
            std::abort(); // a statement left a table that cannot be written again
        }
    }
    return 0;
}
