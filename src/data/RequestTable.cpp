#include "data/RequestTable.h"
#include "base/FileNames.h"

#include "base/Error.h"
#include "base/Paths.h"
#include "data/Settings.h"
#include "engines/dbf/Dbf.h"
#include "engines/dbf/DbfCodec.h"
#include "engines/dbf/Query.h"
#include "engines/dbf/SqlEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kovara {
namespace {

const char *const kIndexSection = "INDEX";
const char *const kIdKey = "IDCERERE";

// Version of the data this program writes, in ten-thousandths.
constexpr qint64 kDataVersion = 12500;

std::function<void()> &templateRefresh()
{
    static std::function<void()> hook;
    return hook;
}

// "1.2" -> 12000; absent or not a decimal with at most four decimals -> 0.
qint64 versionOf(const QString &text)
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*(\d{1,9})(?:\.(\d{1,4}))?\s*$)"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return 0;
    const QString decimals = m.captured(2).leftJustified(4, u'0');
    return m.captured(1).toLongLong() * 10000 + decimals.toLongLong();
}

qint64 wholeNumber(const QString &key, const QString &text)
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*[-+]?\d{1,18}\s*$)"));
    if (!re.match(text).hasMatch())
        throw Error(
            QStringLiteral("Contorul %1 din fisierul de setari are valoarea \"%2\", care nu este un numar "
                           "intreg.")
                .arg(key, text));
    return text.trimmed().toLongLong();
}

// The largest IDCERERE in the file, deleted records included (they are
// still there until the next pack); 0 for an empty or absent table.
qint64 largestRequestId()
{
    const QString path = RequestTablePath();
    if (!QFileInfo::exists(path))
        return 0;
    auto table = dbf::Table::open(path, dbf::Mode::ReadOnly);
    const int fi = table->fieldIndex("IDCERERE");
    if (fi < 0)
        return 0;
    const dbf::Field field = table->fields().at(fi);
    const int length = table->recordLength();
    qint64 largest = 0;
    dbf::scanRecords(*table, [&](qint64, qint64 n, const char *block) {
        for (qint64 i = 0; i < n; ++i) {
            qint64 v = 0;
            if (sqlcodec::parseInteger(block + i * length + field.offset, field.length, v))
                largest = qMax(largest, v);
        }
    });
    return largest;
}

// The 27 columns of the request table, in file order.
const char *const kRequestColumns =
    "IDCERERE DECIMAL(10,0), DINDATA DATE, NR DECIMAL(9,0), TIP CHAR(3), SUBSEMN CHAR(32), CALITATE "
    "CHAR(32), "
    "CNP CHAR(13), BISERIA CHAR(6), BINR CHAR(12), ADRESA CHAR(60), JUDADR CHAR(16), COPIL1 CHAR(32), "
    "CNP1 CHAR(13), COPIL2 CHAR(32), CNP2 CHAR(13), COPIL3 CHAR(32), CNP3 CHAR(13), CUANTUM DECIMAL(6,0), "
    "ALCATE CHAR(18), CNSERIA CHAR(6), CNNR CHAR(12), CNELIB CHAR(60), NRDISP DECIMAL(9,0), DATADISP DATE, "
    "PTLUNA CHAR(16), NRCOPII DECIMAL(6,0), HANDI CHAR(2)";

} // namespace

QString RequestTablePath()
{
    return findFileNoCase(QDir(DataDir()).filePath(QStringLiteral("Cereri.dbf")));
}

QString RequestTable()
{
    return RequestTableIn(Database::shared(), RequestTablePath());
}

const QStringList &RequestIndexedColumns()
{
    static const QStringList columns{QStringLiteral("IDCERERE"), QStringLiteral("DINDATA")};
    return columns;
}

QString RequestTableIn(Database &db, const QString &path)
{
    db.setIndexedColumns(path, RequestIndexedColumns());
    return db.table(path);
}

QList<dbf::FieldDef> RequestTableColumns()
{
    return parseColumnList(QString::fromLatin1(kRequestColumns));
}

namespace {

QString kindOf(char type)
{
    switch (type) {
    case 'C':
        return QStringLiteral("C (text)");
    case 'N':
    case 'F':
        return QStringLiteral("%1 (numar)").arg(QChar::fromLatin1(type));
    case 'D':
        return QStringLiteral("D (data)");
    case 'L':
        return QStringLiteral("L (da/nu)");
    default:
        return QStringLiteral("%1").arg(QChar::fromLatin1(type));
    }
}

// N and F hold the same numbers in the same text form.
bool sameKind(char a, char b)
{
    const auto numeric = [](char t) { return t == 'N' || t == 'F'; };
    return a == b || (numeric(a) && numeric(b));
}

} // namespace

QStringList RequestColumnFaults(const dbf::Table &table, bool typesOnly)
{
    QStringList faults;
    for (const dbf::FieldDef &needed : RequestTableColumns()) {
        const int at = table.fieldIndex(needed.name);
        const QString name = QString::fromLatin1(needed.name);
        if (at < 0) {
            if (!typesOnly && name != QLatin1String("HANDI"))
                faults << QStringLiteral("lipseste coloana %1").arg(name);
            continue;
        }
        const char type = table.fields().at(at).type;
        if (!sameKind(type, needed.type))
            faults << QStringLiteral("coloana %1 are tipul %2, programul are nevoie de %3")
                          .arg(name, kindOf(type), kindOf(needed.type));
    }
    return faults;
}

void CheckRequestTable(const QString &path)
{
    const auto table = dbf::Table::open(path, dbf::Mode::ReadOnly);
    QStringList faults = table->layoutFaults();
    if (faults.isEmpty()) {
        qint64 first = 0;
        if (const qint64 bad = table->badFlagCount(&first))
            faults << dbf::badFlagsText(bad, first);
    }
    // A column of the wrong kind would be read wrong everywhere; one that
    // is missing makes the statements that use it fail with their own
    // message, and check lists it.
    const QStringList columns = RequestColumnFaults(*table, true);
    if (!faults.isEmpty())
        throw dbf::DamagedTable(dbf::refusedWriteText(path, faults + columns, table->repairable()));
    if (!columns.isEmpty())
        // Not a matter of repair: the table is sound, but not the program's.
        throw dbf::DamagedTable(
            QStringLiteral("Tabelul %1 nu are coloanele asa cum le cere programul: %2. Nu a fost "
                           "modificat nimic. Corectati structura tabelului (sau restaurati dosarul de date "
                           "dintr-o salvare) inainte de a porni programul.")
                .arg(QDir::toNativeSeparators(path), columns.join(QLatin1String("; "))));
}

void CreateRequestTable()
{
    if (QFileInfo::exists(RequestTablePath()))
        return;
    // A new table is named in capitals, as the offices' existing ones are;
    // every later use finds it whatever the case of its name.
    const QString path = QDir(DataDir()).filePath(QStringLiteral("CERERI.DBF"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    Database::shared().createTable(path, RequestTableColumns());
}

void setTemplateRefresh(std::function<void()> refresh)
{
    templateRefresh() = std::move(refresh);
}

void UpgradeData()
{
    // A damaged table is left exactly as it is: no upgrade, no version stamp.
    const QString path = RequestTablePath();
    CheckRequestTable(path);

    const qint64 stored = versionOf(ReadSetting(QStringLiteral("CONST"), QStringLiteral("VERSIUNE")));
    if (stored < kDataVersion) {
        const QString form = findFileNoCase(QDir(DataDir()).filePath(QStringLiteral("Cerere.rtf")));
        QFile::remove(form); // a failure to delete is of no consequence
        if (templateRefresh())
            templateRefresh()();
    }

    Database &db = Database::shared();
    Query probe(db);
    probe.open(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(RequestTableIn(db, path)));
    const bool hasHandi = probe.hasColumn(QStringLiteral("HANDI"));
    probe.close();
    // The column arrives filled, in one rewrite: a crash leaves the old
    // table or the filled one, never a blank column that a later start
    // would take for done.
    if (!hasHandi)
        db.addColumn(path, QStringLiteral("HANDI CHAR(2)"), QStringLiteral("NU"));
    // The version is stamped once the work it stands for is done.
    WriteSetting(QStringLiteral("CONST"), QStringLiteral("VERSIUNE"), QStringLiteral("1.25"));
}

QString NextIndex(const QString &key)
{
    const QString stored = ReadSetting(QString::fromLatin1(kIndexSection), key);
    const QString text = stored.isEmpty() ? QStringLiteral("1") : stored;
    qint64 value = wholeNumber(key, text);
    QString result = text;
    // The counter lives in the settings file; should that file be lost or
    // replaced, an identifier must still never repeat one the table holds.
    if (key.compare(QLatin1String(kIdKey), Qt::CaseInsensitive) == 0) {
        const qint64 floor = largestRequestId() + 1;
        if (value < floor) {
            value = floor;
            result = QString::number(value);
        }
    }
    WriteSetting(QString::fromLatin1(kIndexSection), key, QString::number(value + 1));
    return result;
}

void SetIndex(const QString &key, const QString &value)
{
    WriteSetting(QString::fromLatin1(kIndexSection), key, value);
}

QString PeekIndex(const QString &key)
{
    const QString stored = ReadSetting(QString::fromLatin1(kIndexSection), key);
    return stored.isEmpty() ? QStringLiteral("1") : stored;
}

} // namespace kovara
