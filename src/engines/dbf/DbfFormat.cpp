#include "engines/dbf/DbfFormat.h"

#include "base/Error.h"
#include "engines/dbf/Dbf.h"

#include <QDir>

namespace kovara::dbf::detail {
namespace {

QString hexByte(std::uint8_t b)
{
    return QStringLiteral("0x") + QString::number(b, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

// Checks the width of a field read from a file; returns the detail of the
// fault or an empty text.
QString widthFault(const Field &f)
{
    const QString name = QString::fromLatin1(f.name);
    auto bad = [&] {
        return QStringLiteral("campul %1 de tip %2 are latimea %3 si %4 zecimale, ceea ce nu este permis")
            .arg(name, QChar::fromLatin1(f.type))
            .arg(f.length)
            .arg(f.decimals);
    };
    switch (f.type) {
    case 'C':
    case 'M':
        return f.length >= 1 ? QString() : bad();
    case 'N':
        if (f.length < 1 || f.length > 20 || f.decimals > 15 || (f.decimals > 0 && f.decimals >= f.length))
            return bad();
        return {};
    case 'D':
        return f.length == 8 ? QString() : bad();
    case 'L':
        return f.length == 1 ? QString() : bad();
    default:
        return QStringLiteral("campul %1 are tipul '%2', pe care programul nu il cunoaste")
            .arg(name, QString::fromLatin1(QByteArray(1, f.type).toHex()));
    }
}

void readExactly(const QString &path, QIODevice &file, qint64 at, char *dst, qint64 size)
{
    if (!file.seek(at) || file.read(dst, size) != size)
        throw Error(QStringLiteral("Fisierul %1 nu poate fi citit.").arg(QDir::toNativeSeparators(path)));
}

} // namespace

QString damaged(const QString &path, const QString &detail)
{
    return QStringLiteral("Fisierul %1 nu este un tabel dBase valid: %2.")
        .arg(QDir::toNativeSeparators(path), detail);
}

bool knownVersion(std::uint8_t version)
{
    switch (version) {
    case 0x03: // dBase III
    case 0x83: // dBase III with memo
    case 0x05: // dBase 5
    case 0x8B: // dBase IV with memo
    case 0xCB: // dBase IV with memo and SQL table
    case 0xF5: // FoxPro 2 with memo
    case 0xFB: // FoxBASE
    case 0x30: // Visual FoxPro
    case 0x31: // Visual FoxPro with auto-increment
        return true;
    default:
        return false;
    }
}

bool writableVersion(std::uint8_t version)
{
    return version == 0x03 || version == 0x83;
}

Header readHeader(const QString &path, QIODevice &file, qint64 fileSize, qint64 *shortBy)
{
    if (fileSize < kPrefixLength)
        throw DamagedTable(
            damaged(path, QStringLiteral("are doar %1 octeti, mai putin decat antetul de 32").arg(fileSize)));
    Header h;
    h.bytes.resize(kPrefixLength);
    readExactly(path, file, 0, h.bytes.data(), kPrefixLength);
    const char *p = h.bytes.constData();
    h.version = static_cast<std::uint8_t>(p[kOffVersion]);
    if (!knownVersion(h.version))
        throw DamagedTable(
            damaged(path, QStringLiteral("octetul de versiune %1 nu este cunoscut").arg(hexByte(h.version))));
    h.recordCount = getU32(p + kOffCount);
    h.headerLength = getU16(p + kOffHeaderLength);
    h.recordLength = getU16(p + kOffRecordLength);
    if (h.headerLength < kPrefixLength + kDescriptorLength + 1)
        throw DamagedTable(
            damaged(path, QStringLiteral("lungimea antetului (%1) este prea mica").arg(h.headerLength)));
    if (h.headerLength > fileSize)
        throw DamagedTable(
            damaged(path, QStringLiteral("lungimea antetului (%1) depaseste lungimea fisierului (%2)")
                              .arg(h.headerLength)
                              .arg(fileSize)));

    h.bytes.resize(h.headerLength);
    readExactly(path, file, kPrefixLength, h.bytes.data() + kPrefixLength, h.headerLength - kPrefixLength);
    p = h.bytes.constData();

    int pos = kPrefixLength;
    int offset = 1;
    while (p[pos] != kHeaderEnd) {
        if (pos + kDescriptorLength >= h.headerLength)
            throw DamagedTable(
                damaged(path, QStringLiteral("lista campurilor nu se incheie cu 0x0D unde arata "
                                             "lungimea antetului (%1)")
                                  .arg(h.headerLength)));
        const char *d = p + pos;
        Field f;
        int nameLength = 0;
        while (nameLength < 11 && d[nameLength] != '\0')
            ++nameLength;
        f.name = QByteArray(d, nameLength);
        const int number = int(h.fields.size()) + 1;
        if (f.name.isEmpty())
            throw DamagedTable(damaged(path, QStringLiteral("campul nr. %1 nu are nume").arg(number)));
        for (char c : f.name) {
            if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F)
                throw DamagedTable(
                    damaged(path, QStringLiteral("numele campului nr. %1 nu este valid").arg(number)));
        }
        f.type = d[11] >= 'a' && d[11] <= 'z' ? char(d[11] - 'a' + 'A') : d[11];
        if (f.type == 'F')
            f.type = 'N';
        f.length = static_cast<unsigned char>(d[16]);
        f.decimals = f.type == 'N' ? static_cast<unsigned char>(d[17]) : 0;
        const QString fault = widthFault(f);
        if (!fault.isEmpty())
            throw DamagedTable(damaged(path, fault));
        f.offset = offset;
        offset += f.length;
        h.fields.append(f);
        if (h.fields.size() > kMaxFields)
            throw DamagedTable(damaged(path, QStringLiteral("are mai mult de %1 campuri").arg(kMaxFields)));
        pos += kDescriptorLength;
    }
    h.terminatorAt = pos;
    if (h.fields.isEmpty())
        throw DamagedTable(damaged(path, QStringLiteral("nu are niciun camp")));
    // After 0x0D a writer may leave one pad byte; Visual FoxPro keeps its
    // 263-byte back-link there. Any other gap would shift every record.
    const int trailer = h.headerLength - (pos + 1);
    const bool foxPro = h.version == 0x30 || h.version == 0x31;
    if (trailer > 1 && !(foxPro && (trailer == kFoxProBackLink || trailer == kFoxProBackLink + 1)))
        throw DamagedTable(
            damaged(path, QStringLiteral("lungimea antetului (%1) nu corespunde celor %2 campuri")
                              .arg(h.headerLength)
                              .arg(h.fields.size())));
    if (h.recordLength != offset)
        throw DamagedTable(
            damaged(path, QStringLiteral("lungimea inregistrarii (%1) nu este 1 + suma latimilor "
                                         "campurilor (%2)")
                              .arg(h.recordLength)
                              .arg(offset)));
    const qint64 present = (fileSize - h.headerLength) / h.recordLength;
    if (shortBy)
        *shortBy = std::max<qint64>(0, h.recordCount - present);
    if (h.recordCount > present && !shortBy)
        throw DamagedTable(
            damaged(path, QStringLiteral("antetul numara %1 inregistrari, dar fisierul le contine "
                                         "intregi doar pe primele %2 (fisier trunchiat)")
                              .arg(h.recordCount)
                              .arg(present)) +
            QStringLiteral(" Nu a fost modificat nimic; tabelul poate fi reparat cu comanda kovara-cli "
                           "repair, care pastreaza fiecare inregistrare intreaga."));
    return h;
}

namespace {

bool flagAt(QIODevice &file, qint64 pos, char &flag)
{
    return file.seek(pos) && file.read(&flag, 1) == 1 && (flag == ' ' || flag == '*');
}

QString byteText(char c)
{
    return hexByte(static_cast<std::uint8_t>(c));
}

} // namespace

Layout inspectLayout(const Header &h, QIODevice &file, qint64 fileSize)
{
    Layout l;
    char flag = 0;
    const qint64 end = h.headerLength + h.recordCount * h.recordLength;
    auto byteAt = [&](qint64 pos, char &c) {
        return pos < fileSize && file.seek(pos) && file.read(&c, 1) == 1;
    };
    if (h.headerLength == h.terminatorAt + 2 && h.recordCount > 0) {
        // One byte after 0x0D is a pad byte, unless it is the first record's
        // flag: then the end mark sits one byte before where the header puts it.
        char pad = 0, before = 0, at = 0;
        l.shifted = flagAt(file, h.terminatorAt + 1, pad) && byteAt(end - 1, before) &&
                    before == kEndOfFile && !(byteAt(end, at) && at == kEndOfFile);
        if (l.shifted) {
            l.faults << QStringLiteral("lungimea antetului (%1) este cu un octet mai mare decat cer cele %2 "
                                       "campuri, iar inregistrarile se citesc deplasate")
                            .arg(h.headerLength)
                            .arg(h.fields.size());
            return l; // the rest would only repeat the shift
        }
    }
    if (h.recordCount > 0 &&
        (!flagAt(file, h.headerLength, flag) || !flagAt(file, end - h.recordLength, flag))) {
        l.badFlags = true;
        l.faults << QStringLiteral("inregistrarile nu incep cu semnul de stergere acolo unde arata "
                                   "antetul (octetul %1)")
                        .arg(byteText(flag));
    }
    for (qint64 pos = end; pos + h.recordLength <= fileSize && flagAt(file, pos, flag); pos += h.recordLength)
        ++l.beyond;
    if (l.beyond > 0)
        l.faults << QStringLiteral("antetul numara %1 inregistrari, dar fisierul mai contine %2 inregistrari "
                                   "intregi dupa ele")
                        .arg(h.recordCount)
                        .arg(l.beyond);
    l.dataEnd = end + l.beyond * h.recordLength;
    char mark = 0;
    const bool any = byteAt(l.dataEnd, mark);
    l.endMark = any && mark == kEndOfFile;
    // A missing end mark harms nothing (the next write puts it back); a
    // byte that is not one is the start of a record cut short.
    if (any && !l.endMark)
        l.faults << QStringLiteral("dupa ultima inregistrare urmeaza octetul %1 in loc de marcajul de "
                                   "sfarsit (0x1A)")
                        .arg(byteText(mark));
    l.extra = std::max<qint64>(0, fileSize - l.dataEnd - 1);
    if (l.extra > 0)
        l.faults << QStringLiteral("%1 octeti in plus dupa ultima inregistrare").arg(l.extra);
    return l;
}

qint64 countBadFlags(const Header &h, QIODevice &file, qint64 records, qint64 *first)
{
    constexpr qint64 kBlock = 1 << 20;
    const qint64 perBlock = std::max<qint64>(1, kBlock / h.recordLength);
    QByteArray block;
    qint64 bad = 0;
    for (qint64 r = 0; r < records; r += perBlock) {
        const qint64 n = std::min(perBlock, records - r);
        block.resize(n * h.recordLength);
        if (!file.seek(h.headerLength + r * h.recordLength) ||
            file.read(block.data(), block.size()) != block.size())
            break; // a table cut short is reported by its header's check
        for (qint64 i = 0; i < n; ++i) {
            const char flag = block[i * h.recordLength];
            if (flag != ' ' && flag != '*') {
                if (bad++ == 0 && first)
                    *first = r + i;
            }
        }
    }
    return bad;
}

FieldDef checkedDefinition(const FieldDef &def)
{
    FieldDef out = def;
    out.name = def.name.trimmed().toUpper();
    bool nameOk =
        !out.name.isEmpty() && out.name.size() <= 10 && out.name.at(0) >= 'A' && out.name.at(0) <= 'Z';
    for (char c : out.name)
        nameOk = nameOk && ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_');
    if (!nameOk)
        throw Error(QStringLiteral("Numele de camp \"%1\" nu este valid: 1-10 litere, cifre sau _, "
                                   "incepand cu o litera.")
                        .arg(QString::fromLatin1(def.name)));
    out.type = def.type >= 'a' && def.type <= 'z' ? char(def.type - 'a' + 'A') : def.type;
    const QString name = QString::fromLatin1(out.name);
    auto bad = [&] {
        return Error(QStringLiteral("Campul %1 nu poate avea tipul %2 cu latimea %3 si %4 zecimale.")
                         .arg(name, QChar::fromLatin1(out.type))
                         .arg(def.length)
                         .arg(def.decimals));
    };
    switch (out.type) {
    case 'C':
        if (out.length < 1 || out.length > 254 || out.decimals != 0)
            throw bad();
        break;
    case 'N':
    case 'F':
        if (out.length < 1 || out.length > 20 || out.decimals < 0 || out.decimals > 15 ||
            (out.decimals > 0 && out.decimals > out.length - 2))
            throw bad();
        break;
    case 'D':
    case 'L':
        if (out.decimals != 0 || (out.length != 0 && out.length != (out.type == 'D' ? 8 : 1)))
            throw bad();
        out.length = out.type == 'D' ? 8 : 1;
        break;
    default:
        throw bad();
    }
    return out;
}

QByteArray descriptor(const FieldDef &def)
{
    QByteArray d(kDescriptorLength, '\0');
    std::copy(def.name.begin(), def.name.begin() + std::min<qsizetype>(def.name.size(), 10), d.begin());
    d[11] = def.type;
    d[16] = static_cast<char>(def.length);
    d[17] = static_cast<char>(def.decimals);
    return d;
}

void putU32(char *p, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void putU16(char *p, quint16 value)
{
    p[0] = static_cast<char>(value & 0xFF);
    p[1] = static_cast<char>(value >> 8);
}

void stampDate(char *header, QDate date)
{
    const int year = std::clamp(date.year() - 1900, 0, 255);
    header[kOffDate] = static_cast<char>(year);
    header[kOffDate + 1] = static_cast<char>(date.month());
    header[kOffDate + 2] = static_cast<char>(date.day());
}

} // namespace kovara::dbf::detail
