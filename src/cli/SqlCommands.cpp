// kovara-cli sql and check: the tables of the data folder seen through the
// SQL engine (reading only), and a check of every table file.

#include "cli/CnpCheck.h"
#include "cli/Commands.h"
#include "data/Dbf.h"
#include "data/DbfCodec.h"
#include "data/Error.h"
#include "data/SqlEngine.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

namespace kovara::cli {
namespace {

QFileInfoList tableFiles(const QString &dataDir)
{
    QFileInfoList out;
    const QFileInfoList all = QDir(dataDir).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
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
    QStringList faults;
    const qint64 count = table.recordCount();
    const int length = table.recordLength();
    const qint64 perBlock = qMax<qint64>(1, (1 << 20) / length);
    qint64 badFlags = 0, badValues = 0;
    QString firstBad;
    QByteArray block;
    deleted = 0;
    for (qint64 first = 0; first < count; first += perBlock) {
        const qint64 n = qMin(perBlock, count - first);
        table.readRecords(first, n, block);
        for (qint64 i = 0; i < n; ++i) {
            const char *rec = block.constData() + i * length;
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
    }
    if (badFlags)
        faults << QStringLiteral("%1 inregistrari au semnul de stergere gresit").arg(badFlags);
    if (badValues)
        faults << QStringLiteral("%1 valori nu se pot citi (prima: %2)").arg(badValues).arg(firstBad);
    const qint64 expected = table.headerLength() + count * length;
    const qint64 size = QFileInfo(table.path()).size();
    if (size > expected + 1)
        faults << QStringLiteral("%1 octeti in plus dupa ultima inregistrare").arg(size - expected);
    return faults;
}

} // namespace

int sqlCommand(const Context &ctx)
{
    if (ctx.args.size() != 1) {
        ctx.err << "Folosire: kovara-cli [--data DOSAR] sql \"SELECT ...\"\n";
        return 2;
    }
    if (!QFileInfo(ctx.dataDir).isDir()) {
        ctx.err << "Dosarul de date " << QDir::toNativeSeparators(ctx.dataDir) << " nu exista.\n";
        return 1;
    }
    Database db;
    for (const QFileInfo &fi : tableFiles(ctx.dataDir)) {
        const QString name = fi.completeBaseName();
        if (!db.pathOf(name).isEmpty()) {
            ctx.err << "Tabela " << fi.fileName()
                    << " are acelasi nume cu alta tabela si nu este folosita.\n";
            continue;
        }
        try {
            db.attach(name, fi.absoluteFilePath(), true);
        } catch (const Error &e) {
            ctx.err << "Tabela " << fi.fileName() << " nu poate fi folosita: " << e.message() << "\n";
        }
    }
    const QString sql = ctx.args.first();
    {
        Statement probe(db, sql);
        if (!probe.isReadOnly() || probe.columnCount() == 0) {
            ctx.err << "Sunt permise doar interogari care citesc date (SELECT); instructiunea nu a fost "
                       "rulata.\n";
            return 1;
        }
    }
    db.setReadOnlyGuard(true);
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

int checkCommand(const Context &ctx)
{
    if (!ctx.args.isEmpty()) {
        ctx.err << "Folosire: kovara-cli [--data DOSAR] check\n";
        return 2;
    }
    if (!QFileInfo(ctx.dataDir).isDir()) {
        ctx.err << "Dosarul de date " << QDir::toNativeSeparators(ctx.dataDir) << " nu exista.\n";
        return 1;
    }
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
            const QStringList faults = recordFaults(*table, deleted);
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

} // namespace kovara::cli
