#include "SyntheticCereri.h"

#include "data/RequestTable.h"
#include "engines/dbf/Dbf.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <random>

namespace kovara::bench {
namespace {

const char *const kSurnames[] = {"POPESCU",  "IONESCU",    "MUREŞAN",  "ŢURCANU", "BĂLAN",
                                 "STĂNESCU", "DUMITRAŞCU", "PĂUN",     "ŞERBAN",  "RĂDULESCU",
                                 "NEAGU",    "CONSTANTIN", "GHEORGHE", "MATEI"};
const char *const kGiven[] = {"MARIA", "ELENA",  "IOANA",  "ANDREEA", "ŢINCA",  "MIHAELA",
                              "ION",   "VASILE", "ŞTEFAN", "MIHAI",   "FLORIN", "CĂTĂLIN"};
const char *const kTip[] = {"A", "I", "S", "AI", "AS", "3", "4"};
const char *const kMonths[] = {"ianuarie", "februarie", "martie",     "aprilie",   "mai",       "iunie",
                               "iulie",    "august",    "septembrie", "octombrie", "noiembrie", "decembrie"};

QString pick(std::mt19937 &rng, const char *const *list, int n)
{
    return QString::fromUtf8(list[std::uniform_int_distribution<int>(0, n - 1)(rng)]);
}

QString digits(std::mt19937 &rng, int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'0' + std::uniform_int_distribution<int>(0, 9)(rng));
    return s;
}

} // namespace

void writeSyntheticCereri(const QString &path, int rows, int years, int deleteEvery)
{
    QFile::remove(path);
    dbf::Table::create(path, RequestTableColumns());
    auto table = dbf::Table::open(path, dbf::Mode::ReadWrite);
    const QList<dbf::Field> fields = table->fields();
    auto field = [&](const char *name) { return fields.at(table->fieldIndex(name)); };
    const dbf::Field fId = field("IDCERERE"), fDate = field("DINDATA"), fNr = field("NR"),
                     fTip = field("TIP"), fName = field("SUBSEMN"), fCal = field("CALITATE"),
                     fCnp = field("CNP"), fAdr = field("ADRESA"), fJud = field("JUDADR"),
                     fCopil = field("COPIL1"), fCnp1 = field("CNP1"), fSum = field("CUANTUM"),
                     fDisp = field("NRDISP"), fDataDisp = field("DATADISP"), fLuna = field("PTLUNA"),
                     fCopii = field("NRCOPII"), fHandi = field("HANDI");
    std::mt19937 rng(20240101);
    const QDate start(2006, 1, 1);
    const qint64 span = start.daysTo(start.addYears(years));
    const int tipCount = int(sizeof kTip / sizeof *kTip);
    int nr[3] = {0, 0, 0};
    for (int i = 0; i < rows; ++i) {
        QByteArray rec = table->blankRecord();
        const QDate day = start.addDays(span * i / rows);
        const QString tip =
            QString::fromLatin1(kTip[std::uniform_int_distribution<int>(0, tipCount - 1)(rng)]);
        const int kind = tip > QLatin1String("4") ? 0 : tip.toInt() - 2;
        const QString surname = pick(rng, kSurnames, int(std::size(kSurnames)));
        dbf::encodeField(fId, qint64(i + 1), rec);
        dbf::encodeField(fDate, day, rec);
        dbf::encodeField(fNr, qint64(++nr[kind]), rec);
        dbf::encodeField(fTip, tip, rec);
        dbf::encodeField(fName, surname + u' ' + pick(rng, kGiven, int(std::size(kGiven))), rec);
        dbf::encodeField(fCal, QStringLiteral("parinte natural"), rec);
        dbf::encodeField(fCnp, u'2' + digits(rng, 12), rec);
        dbf::encodeField(fAdr, QStringLiteral("Str. Unirii nr. %1").arg(i % 120 + 1), rec);
        dbf::encodeField(fJud, QStringLiteral("IASI"), rec);
        dbf::encodeField(fCopil, surname + u' ' + pick(rng, kGiven, int(std::size(kGiven))), rec);
        dbf::encodeField(fCnp1, u'5' + digits(rng, 12), rec);
        dbf::encodeField(fSum, qint64(kind == 1 ? 204 : kind == 2 ? 150 : 0), rec);
        dbf::encodeField(fDataDisp, day, rec);
        if (kind > 0 && i % 2 == 0) {
            dbf::encodeField(fDisp, qint64(i / 2 + 1), rec);
            dbf::encodeField(
                fLuna, QStringLiteral("%1.%2").arg(QLatin1String(kMonths[day.month() - 1])).arg(day.year()),
                rec);
        } else {
            dbf::encodeField(fDisp, qint64(0), rec);
        }
        dbf::encodeField(fCopii, qint64(1), rec);
        dbf::encodeField(fHandi, QStringLiteral("NU"), rec);
        if (deleteEvery > 0 && i % deleteEvery == deleteEvery - 1)
            rec[0] = '*';
        table->appendRecord(rec);
    }
}

QString cachedSyntheticCereri(int rows, int deleteEvery)
{
    const QString dir = QDir::temp().filePath(QStringLiteral("kovara-bench"));
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(QStringLiteral("Cereri-%1-%2.dbf").arg(rows).arg(deleteEvery));
    if (!QFileInfo::exists(path)) {
        const QString partial = path + QStringLiteral(".part");
        writeSyntheticCereri(partial, rows, 20, deleteEvery);
        QFile::rename(partial, path);
    }
    return path;
}

} // namespace kovara::bench
