#include "engines/workbook/BiffWorkbookImpl.h"

#include "base/Error.h"
#include "base/NativePath.h"
#include "base/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kovara {

using namespace biff;

namespace {

Error biff5(const QString &fileName)
{
    return Error(QStringLiteral("Fisierul %1 este in formatul Excel 5.0/95 (BIFF5), pe care programul nu il "
                                "citeste. Salvati-l ca Excel 97-2003 (.xls).")
                     .arg(NativePath(fileName)));
}

// Number formats that show dates or times: the built-in ones, and any
// format with a day, month, year, hour or second letter outside quotes,
// brackets and escapes.
bool isDateFormat(int index, const QString &format)
{
    if ((index >= 14 && index <= 22) || (index >= 45 && index <= 47))
        return true;
    bool quoted = false, bracket = false, escaped = false;
    for (QChar c : format) {
        if (escaped) {
            escaped = false;
            continue;
        }
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'\\' || c == u'_' || c == u'*')
            escaped = true;
        else if (c == u'[')
            bracket = true;
        else if (c == u']')
            bracket = false;
        else if (!bracket && QStringLiteral("dmyhsDMYHS").contains(c))
            return true;
    }
    return false;
}

} // namespace

void BiffWorkbook::Impl::damaged() const
{
    throw Error(QStringLiteral("Fisierul %1 este deteriorat sau nu este un registru de calcul Excel 97-2003.")
                    .arg(NativePath(fileName)));
}

void BiffWorkbook::Impl::parseStream(const QByteArray &stream)
{
    qsizetype pos = 0;
    Record bof = readRecord(stream, pos);
    if (bof.type != rt::Bof || bof.data.size() < 4)
        damaged();
    if (u16(bof.data, 0) == 0x0500)
        throw biff5(fileName);
    if (u16(bof.data, 0) != 0x0600 || u16(bof.data, 2) != 0x0005)
        damaged();
    globals.push_back(std::move(bof));

    QHash<int, QString> formats;
    std::vector<int> xfFormats;
    for (;;) {
        Record r = readRecord(stream, pos);
        const size_t index = globals.size();
        switch (r.type) {
        case rt::Filepass:
            throw Error(QStringLiteral("Fisierul %1 este protejat cu parola; programul nu il poate citi.")
                            .arg(NativePath(fileName)));
        case rt::Bof:
            damaged();
        case rt::BoundSheet:
            need(r.data, 8);
            sheets.push_back(SheetEntry{index, 0, readUnicodeString(r.data, 6, true)});
            break;
        case rt::Sst:
            if (sstIndex == size_t(-1))
                sstIndex = index;
            break;
        case rt::ExtSst:
            if (extSstIndex == size_t(-1))
                extSstIndex = index;
            break;
        case rt::Xf:
            need(r.data, 4);
            xfFormats.push_back(u16(r.data, 2));
            xfRecords.push_back(index);
            break;
        case rt::Format:
            need(r.data, 2);
            formats.insert(u16(r.data, 0), readUnicodeString(r.data, 2));
            break;
        case 0x0022: // DATEMODE
            dates1904 = r.data.size() >= 2 && u16(r.data, 0) == 1;
            break;
        default:
            break;
        }
        const bool end = r.type == rt::Eof;
        globals.push_back(std::move(r));
        if (end)
            break;
    }
    globalsOriginal = stream.left(pos);
    if (sstIndex != size_t(-1)) {
        std::vector<QByteArray> segments{globals[sstIndex].data};
        sstEnd = sstIndex + 1;
        while (sstEnd < globals.size() && globals[sstEnd].type == rt::Continue)
            segments.push_back(globals[sstEnd++].data);
        sst.parse(segments);
    }
    for (int f : xfFormats)
        dateXf.push_back(isDateFormat(f, formats.value(f)));

    while (stream.size() - pos >= 4 && u16(stream, pos) == rt::Bof) {
        Substream s;
        s.position = pos;
        std::vector<Record> records;
        int depth = 0;
        do {
            Record r = readRecord(stream, pos);
            if (r.type == rt::Bof)
                ++depth;
            else if (r.type == rt::Eof)
                --depth;
            records.push_back(std::move(r));
        } while (depth > 0);
        s.original = stream.mid(s.position, pos - s.position);
        const QByteArray &head = records.front().data;
        s.worksheet = head.size() >= 4 && u16(head, 0) == 0x0600 && u16(head, 2) == 0x0010;
        if (s.worksheet)
            s.sheet.parse(std::move(records));
        substreams.push_back(std::move(s));
    }
    trailing = stream.mid(pos);

    for (SheetEntry &e : sheets) {
        const qint64 at = u32(globals[e.boundSheet].data, 0);
        size_t i = 0;
        while (i < substreams.size() && substreams[i].position != at)
            ++i;
        if (i == substreams.size())
            damaged();
        e.substream = i;
    }
}

QByteArray BiffWorkbook::Impl::writeStream() const
{
    bool anyChange = sst.changed() || globalsChanged;
    quint32 labels = 0;
    for (const Substream &s : substreams)
        if (s.worksheet) {
            anyChange = anyChange || s.sheet.changed();
            labels += quint32(s.sheet.labelSstCount());
        }
    if (!anyChange)
        return globalsOriginal + [this] {
            QByteArray rest;
            for (const Substream &s : substreams)
                rest += s.original;
            return rest + trailing;
        }();

    QByteArray out;
    QByteArray extSst;
    std::vector<qsizetype> sheetOffsets; // where each BOUNDSHEET's position is written
    for (size_t i = 0; i < globals.size(); ++i) {
        const Record &r = globals[i];
        if (i == sstIndex && sst.changed()) {
            sst.write(out, out.size(), labels, extSst);
            i = sstEnd - 1;
            continue;
        }
        if (i == extSstIndex && sst.changed()) {
            appendRecord(out, rt::ExtSst, extSst);
            continue;
        }
        if (r.type == rt::BoundSheet)
            sheetOffsets.push_back(out.size() + 4);
        QByteArray data = r.data;
        if (i == sstIndex && data.size() >= 4)
            set32(data, 0, labels);
        appendRecord(out, r.type, data);
    }
    std::vector<qint64> newPosition;
    QByteArray body;
    for (const Substream &s : substreams) {
        newPosition.push_back(out.size() + body.size());
        body += s.worksheet ? s.sheet.write(s.original) : s.original;
    }
    for (size_t k = 0; k < sheets.size() && k < sheetOffsets.size(); ++k)
        set32(out, sheetOffsets[k], quint32(newPosition[sheets[k].substream]));
    return out + body + trailing;
}

Sheet &BiffWorkbook::Impl::sheet()
{
    return substreams[sheets[size_t(current)].substream].sheet;
}

const Sheet &BiffWorkbook::Impl::sheet() const
{
    return substreams[sheets[size_t(current)].substream].sheet;
}

QString NoOpenWorkbookText()
{
    return QStringLiteral("Nu este deschis niciun registru de calcul.");
}

BiffWorkbook::BiffWorkbook() = default;
BiffWorkbook::~BiffWorkbook() = default;

void BiffWorkbook::OpenWorkbook(const QString &path)
{
    CloseWorkbook();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw Error(
            QStringLiteral("Fisierul %1 nu poate fi citit: %2.").arg(NativePath(path), f.errorString()));
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw Error(
            QStringLiteral("Fisierul %1 nu poate fi citit: %2.").arg(NativePath(path), f.errorString()));
    openBytes(bytes, path);
}

void BiffWorkbook::openBytes(const QByteArray &file, const QString &fileName)
{
    CloseWorkbook();
    CompoundNode root = ReadCompoundFile(file, fileName);
    CompoundNode *stream = FindStream(root, QStringLiteral("Workbook"));
    if (!stream) {
        if (FindStream(root, QStringLiteral("Book")))
            throw biff5(fileName);
        throw Error(QStringLiteral("Fisierul %1 nu contine un registru de calcul Excel (lipseste fluxul "
                                   "Workbook).")
                        .arg(NativePath(fileName)));
    }
    const QByteArray data = stream->data;
    const QString name = stream->name;
    stream->data.clear();
    openStream(data, fileName);
    d->container = std::move(root);
    d->streamName = name;
}

void BiffWorkbook::openStream(const QByteArray &stream, const QString &fileName)
{
    CloseWorkbook();
    auto impl = std::make_unique<Impl>();
    impl->fileName = fileName;
    try {
        impl->parseStream(stream);
    } catch (const Damaged &) {
        impl->damaged();
    }
    int first = -1;
    for (size_t i = 0; i < impl->sheets.size() && first < 0; ++i)
        if (impl->substreams[impl->sheets[i].substream].worksheet)
            first = int(i);
    if (first < 0)
        throw Error(
            QStringLiteral("Registrul de calcul %1 nu are nicio foaie de calcul.").arg(NativePath(fileName)));
    impl->current = first;
    impl->container.storage = true;
    d = std::move(impl);
}

bool BiffWorkbook::isOpen() const
{
    return d != nullptr;
}

void BiffWorkbook::CloseWorkbook()
{
    d.reset();
}

int BiffWorkbook::sheetCount() const
{
    if (!d)
        throw Error(NoOpenWorkbookText());
    return int(d->sheets.size());
}

QString BiffWorkbook::sheetName(int sheet) const
{
    if (sheet < 1 || sheet > sheetCount())
        throw Error(QStringLiteral("Registrul de calcul nu are foaia %1.").arg(sheet));
    return d->sheets[size_t(sheet - 1)].name;
}

void BiffWorkbook::SelectSheet(int sheet)
{
    if (sheet < 1 || sheet > sheetCount())
        throw Error(QStringLiteral("Registrul de calcul nu are foaia %1.").arg(sheet));
    if (!d->substreams[d->sheets[size_t(sheet - 1)].substream].worksheet)
        throw Error(
            QStringLiteral("Foaia %1 (%2) nu este o foaie de calcul.").arg(sheet).arg(sheetName(sheet)));
    d->current = sheet - 1;
}

QByteArray BiffWorkbook::workbookStream() const
{
    if (!d)
        throw Error(NoOpenWorkbookText());
    return d->writeStream();
}

QByteArray BiffWorkbook::fileBytes() const
{
    CompoundNode root = [this] {
        if (!d)
            throw Error(NoOpenWorkbookText());
        return d->container;
    }();
    CompoundNode *stream = FindStream(root, d->streamName);
    if (!stream) {
        root.children.push_back(CompoundNode{d->streamName, false, {}, {}, {}});
        stream = &root.children.back();
    }
    stream->data = d->writeStream();
    return WriteCompoundFile(root);
}

void BiffWorkbook::SaveWorkbookAs(const QString &path)
{
    if (!d)
        throw Error(NoOpenWorkbookText());
    if (QFileInfo::exists(path))
        throw Error(QStringLiteral("Fisierul %1 exista deja; registrul de calcul nu a fost salvat.")
                        .arg(NativePath(path)));
    const QByteArray bytes = fileBytes();
    QString reason;
    if (!SaveBytes(path, bytes, &reason))
        throw Error(QStringLiteral("Fisierul %1 nu poate fi scris: %2.").arg(NativePath(path), reason));
}

} // namespace kovara
