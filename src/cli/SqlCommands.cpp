// kovara-cli sql and check: the tables of the data folder seen through the
// SQL engine (reading only), and a check of every table file.

#include "base/Error.h"
#include "cli/CnpCheck.h"
#include "cli/Commands.h"
#include "cli/SqlFormatGuard.h"
#include "data/RequestTable.h"
#include "engines/dbf/Dbf.h"
#include "engines/dbf/DbfCodec.h"
#include "engines/dbf/SqlEngine.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <sqlite3.h>

namespace kovara::cli {
namespace {

QFileInfoList tableFiles(const QString &dataDir)
{
    QFileInfoList out;
    // Folders too: a folder named like a table is reported, not passed over.
    const QFileInfoList all = QDir(dataDir).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                                          QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &fi : all)
        if (fi.suffix().compare(QLatin1String("dbf"), Qt::CaseInsensitive) == 0)
            out << fi;
    return out;
}

QString csvField(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString v = value;
    v.replace(u'"', QLatin1String("\"\""));
    return u'"' + v + u'"';
}

// Faults of one table found by reading every record; empty when sound.
QStringList recordFaults(const dbf::Table &table, qint64 &deleted)
{
    QStringList faults = table.layoutFaults();
    const int length = table.recordLength();
    qint64 badFlags = 0, badValues = 0;
    QString firstBad;
    deleted = 0;
    dbf::scanRecords(table, [&](qint64 first, qint64 n, const char *block) {
        for (qint64 i = 0; i < n; ++i) {
            const char *rec = block + i * length;
            if (rec[0] == '*') {
                ++deleted;
                continue;
            }
            if (rec[0] != ' ')
                ++badFlags;
            for (const dbf::Field &f : table.fields()) {
                const char *p = rec + f.offset;
                if (f.type == 'C' || sqlcodec::isBlank(p, f.length))
                    continue;
                qint64 whole = 0;
                double real = 0;
                int ymd = 0;
                bool ok = true;
                if (f.type == 'D')
                    ok = sqlcodec::parseDate(p, sqlcodec::trimmedLength(p, f.length), ymd);
                else if (f.type == 'L')
                    ok = sqlcodec::logicalValue(p[0]) >= 0 || p[0] == '?';
                else
                    ok = sqlcodec::parseInteger(p, f.length, whole) || sqlcodec::parseReal(p, f.length, real);
                if (!ok && badValues++ == 0)
                    firstBad = QStringLiteral("inregistrarea %1, coloana %2")
                                   .arg(first + i + 1)
                                   .arg(QString::fromLatin1(f.name));
            }
        }
    });
    if (badFlags)
        faults << QStringLiteral("%1 inregistrari au semnul de stergere gresit").arg(badFlags);
    if (badValues)
        faults << QStringLiteral("%1 valori nu se pot citi (prima: %2)").arg(badValues).arg(firstBad);
    return faults;
}

// A statement runs at most this long, with at most this much memory for
// the engine, so a scheduled job never hangs nor eats the machine.
constexpr int kDefaultTimeout = 30;               // seconds
constexpr sqlite3_int64 kHeapLimit = 512LL << 20; // bytes
constexpr int kLengthLimit = 64 << 20;            // one text or blob

struct Deadline
{
    QElapsedTimer timer;
    qint64 limitMs = 0;
    bool passed = false;
};

int pastDeadline(void *data)
{
    auto *d = static_cast<Deadline *>(data);
    d->passed = d->passed || d->timer.elapsed() > d->limitMs;
    return d->passed ? 1 : 0;
}

int printRows(Database &db, const QString &sql, const Context &ctx)
{
    Statement st(db, sql);
    const int cols = st.columnCount();
    QStringList header;
    for (int i = 0; i < cols; ++i)
        header << csvField(st.columnName(i));
    ctx.out << header.join(u',') << "\r\n";
    sqlite3_stmt *s = st.handle();
    QStringList line;
    while (st.step()) {
        line.clear();
        for (int i = 0; i < cols; ++i) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(s, i));
            line << (text ? csvField(QString::fromUtf8(text, sqlite3_column_bytes(s, i))) : QString());
        }
        ctx.out << line.join(u',') << "\r\n";
    }
    ctx.out.flush();
    return 0;
}

} // namespace

int sqlCommand(const Context &ctx)
{
    QStringList args = ctx.args;
    int timeout = kDefaultTimeout;
    if (args.size() == 3 && args.first() == QLatin1String("--timeout")) {
        bool ok = false;
        timeout = args.at(1).toInt(&ok);
        if (!ok || timeout <= 0) {
            ctx.err << "Limita de timp trebuie sa fie un numar intreg de secunde, mai mare decat 0.\n";
            return 2;
        }
        args = args.mid(2);
    }
    if (args.size() != 1) {
        ctx.err << "Folosire: kovara-cli [--data DOSAR] sql [--timeout SECUNDE] \"SELECT ...\"\n";
        return 2;
    }
    if (!dataFolderExists(ctx))
        return 1;
    Database db;
    for (const QFileInfo &fi : tableFiles(ctx.dataDir)) {
        const QString name = fi.completeBaseName();
        if (!db.pathOf(name).isEmpty()) {
            ctx.err << "Tabela " << fi.fileName()
                    << " are acelasi nume cu alta tabela si nu este folosita.\n";
            continue;
        }
        try {
            // The request table is looked up by the columns the program
            // indexes, with the index cache beside it.
            if (fi.fileName().compare(QLatin1String("Cereri.dbf"), Qt::CaseInsensitive) == 0)
                db.setIndexedColumns(fi.absoluteFilePath(), RequestIndexedColumns());
            db.attach(name, fi.absoluteFilePath(), true);
        } catch (const Error &e) {
            ctx.err << "Tabela " << fi.fileName() << " nu poate fi folosita: " << e.message() << "\n";
        }
    }
    const QString sql = args.first();
    {
        Statement probe(db, sql);
        if (!probe.isReadOnly() || probe.columnCount() == 0) {
            ctx.err << "Sunt permise doar interogari care citesc date (SELECT); instructiunea nu a fost "
                       "rulata.\n";
            return 1;
        }
    }
    db.setReadOnlyGuard(true);
    sqlite3_hard_heap_limit64(kHeapLimit);
    sqlite3_limit(db.handle(), SQLITE_LIMIT_LENGTH, kLengthLimit);
    GuardFormatFunctions(db.handle(), kLengthLimit);
    Deadline deadline;
    deadline.limitMs = qint64(timeout) * 1000;
    deadline.timer.start();
    sqlite3_progress_handler(db.handle(), 10000, pastDeadline, &deadline);
    try {
        return printRows(db, sql, ctx);
    } catch (const Error &e) {
        ctx.out.flush();
        const int code = sqlite3_errcode(db.handle());
        if (deadline.passed)
            ctx.err << "Interogarea a depasit limita de timp de " << timeout
                    << " secunde si a fost oprita; randurile scrise pana atunci sunt incomplete.\n";
        else if (code == SQLITE_NOMEM || code == SQLITE_TOOBIG ||
                 e.message().contains(QLatin1String("out of memory")) ||
                 e.message().contains(QLatin1String("too big")))
            ctx.err << "Interogarea a depasit limita de memorie (" << (kHeapLimit >> 20)
                    << " MB, o valoare cel mult " << (kLengthLimit >> 20) << " MB) si a fost oprita.\n";
        else
            ctx.err << e.message() << "\n";
        return 1;
    }
}

int checkCommand(const Context &ctx)
{
    if (!ctx.args.isEmpty()) {
        ctx.err << "Folosire: kovara-cli [--data DOSAR] check\n";
        return 2;
    }
    if (!dataFolderExists(ctx))
        return 1;
    const QFileInfoList files = tableFiles(ctx.dataDir);
    if (files.isEmpty()) {
        ctx.out << "Nu exista tabele in dosarul " << QDir::toNativeSeparators(ctx.dataDir) << ".\n";
        return 0;
    }
    bool sound = true;
    for (const QFileInfo &fi : files) {
        try {
            auto table = dbf::Table::open(fi.absoluteFilePath(), dbf::Mode::ReadOnly);
            qint64 deleted = 0;
            QStringList faults = recordFaults(*table, deleted);
            // The request table must also have the columns the program works with.
            if (fi.fileName().compare(QLatin1String("Cereri.dbf"), Qt::CaseInsensitive) == 0)
                faults += RequestColumnFaults(*table);
            ctx.out << fi.fileName() << ": " << table->recordCount() << " inregistrari, " << deleted
                    << " sterse, " << table->fields().size() << " coloane";
            if (faults.isEmpty()) {
                ctx.out << ", in regula\n";
            } else {
                sound = false;
                ctx.out << "; GRESELI: " << faults.join(QLatin1String("; ")) << "\n";
            }
            const qint64 wrongCodes = listWrongCnps(*table, ctx.out);
            if (wrongCodes > 0) {
                sound = false;
                ctx.out << fi.fileName() << ": " << wrongCodes << " coduri CNP gresite\n";
            }
        } catch (const Error &e) {
            sound = false;
            ctx.out << fi.fileName() << ": GRESEALA: " << e.message() << "\n";
        }
    }
    ctx.out.flush();
    return sound ? 0 : 1;
}

int repairCommand(const Context &ctx)
{
    if (ctx.args.size() != 1) {
        ctx.err << "Folosire: kovara-cli repair FISIER.dbf\n";
        return 2;
    }
    const QString path = QDir(ctx.args.first()).absolutePath();
    QString copy;
    const QStringList done = dbf::repair(path, &copy);
    if (done.isEmpty()) {
        ctx.out << "Tabelul " << QDir::toNativeSeparators(path) << " este in regula; nu a fost modificat.\n";
        return 0;
    }
    ctx.out << "Copia tabelului deteriorat: " << QDir::toNativeSeparators(copy) << "\n";
    for (const QString &line : done)
        ctx.out << "  " << line << "\n";
    ctx.out << "Tabelul " << QDir::toNativeSeparators(path) << " a fost reparat.\n";
    return 0;
}

} // namespace kovara::cli
