// Reading backup archives: checking them and restoring the data folder.
#include "base/Error.h"
#include "base/NativePath.h"
#include "base/Platform.h"
#include "base/Win1250.h"
#include "engines/archive/Archive.h"
#include "engines/archive/ArchiveFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <algorithm>
#include <vector>
#include <zlib.h>

namespace kovara {
namespace {

using namespace archive;

// Smallest possible entry: name length, "Data\" and one letter, size, and
// the shortest zlib stream (header, an empty block, Adler-32).
constexpr qint64 kMinEntrySize = 4 + kPrefixLength + 1 + 4 + 8;
// Deflate cannot expand data by more than 1032 to 1.
constexpr qint64 kMaxRatio = 1032;
// Room left free on the disk beyond the restored files.
constexpr qint64 kSpareBytes = 16LL << 20;

// The archive file behind a buffer, read forward once.
class Input
{
public:
    explicit Input(const QString &path)
        : m_file(path)
        , m_buf(kBufferSize)
    {
    }

    void open()
    {
        if (!m_file.open(QIODevice::ReadOnly))
            throw Error(QStringLiteral("Arhiva %1 nu poate fi deschisa: %2")
                            .arg(NativePath(m_file.fileName()), m_file.errorString()));
        m_size = m_file.size();
    }

    qint64 remaining() const { return m_size - m_consumed; }
    const char *data() const { return m_buf.data() + m_pos; }
    qint64 available() const { return m_end - m_pos; }
    void consume(qint64 n)
    {
        m_pos += n;
        m_consumed += n;
    }

    // Reads the next block once the buffer is used up; false at the end.
    bool fill()
    {
        if (available() > 0)
            return true;
        const qint64 got = m_file.read(m_buf.data(), qint64(m_buf.size()));
        if (got < 0)
            throw Error(QStringLiteral("Arhiva %1 nu poate fi citita: %2")
                            .arg(NativePath(m_file.fileName()), m_file.errorString()));
        m_pos = 0;
        m_end = got;
        return got > 0;
    }

    bool readExact(char *dst, qint64 n)
    {
        while (n > 0) {
            if (!fill())
                return false;
            const qint64 part = std::min(n, available());
            std::copy_n(data(), part, dst);
            consume(part);
            dst += part;
            n -= part;
        }
        return true;
    }

private:
    QFile m_file;
    std::vector<char> m_buf;
    qint64 m_pos = 0, m_end = 0, m_consumed = 0, m_size = 0;
};

class Reader
{
public:
    Reader(const QString &path, const QString &stageDir)
        : m_path(path)
        , m_stage(stageDir)
        , m_in(path)
    {
    }

    QList<ArchiveEntry> run(const ArchiveProgress &progress, const ArchiveEntrySeen &seen)
    {
        m_in.open();
        if (m_in.remaining() == 0)
            throw bad(QStringLiteral("fisierul este gol"));
        const qint32 count = readInt32(QStringLiteral("numarul de fisiere"));
        if (count < 0 || count > m_in.remaining() / kMinEntrySize)
            throw bad(
                QStringLiteral("numarul de fisiere (%1) nu se potriveste cu marimea arhivei").arg(count));
        QList<ArchiveEntry> entries;
        QSet<QString> names;
        std::vector<char> out(kBufferSize);
        for (int i = 1; i <= count; ++i) {
            if (progress)
                progress(i, count);
            ArchiveEntry e;
            e.name = readName(i);
            // On the offices' Windows two names that differ only in letter
            // case are one file.
            if (names.contains(e.name.toLower()))
                throw bad(QStringLiteral("fisierul Data\\%1 apare de doua ori (numele difera cel mult prin "
                                         "litere mari si mici)")
                              .arg(e.name));
            names.insert(e.name.toLower());
            e.size = readInt32(QStringLiteral("dimensiunea fisierului Data\\") + e.name);
            if (m_in.remaining() < 8)
                throw truncated(QStringLiteral("datele fisierului Data\\") + e.name);
            if (e.size < 0 || e.size > m_in.remaining() * kMaxRatio)
                throw bad(QStringLiteral("fisierul Data\\%1 are o dimensiune imposibila (%2)")
                              .arg(e.name)
                              .arg(e.size));
            e.adler = m_stage.isEmpty() ? inflateTo(nullptr, e, out) : inflateToStage(i, e, out);
            entries << e;
            if (seen)
                seen(e);
        }
        if (m_in.fill())
            throw bad(QStringLiteral("dupa ultimul fisier urmeaza date in plus"));
        return entries;
    }

private:
    Error bad(const QString &reason) const
    {
        return Error(QStringLiteral("Arhiva %1 este deteriorata sau nu este o arhiva Kovara: %2.")
                         .arg(NativePath(m_path), reason));
    }

    Error truncated(const QString &what) const
    {
        return bad(QStringLiteral("se termina inainte de %1").arg(what));
    }

    qint32 readInt32(const QString &what)
    {
        char b[4];
        if (!m_in.readExact(b, 4))
            throw truncated(what);
        return getInt32(b);
    }

    QString readName(int index)
    {
        const QString what = QStringLiteral("numele fisierului %1").arg(index);
        const qint32 length = readInt32(what);
        if (length <= kPrefixLength || length > kMaxNameLength || length > m_in.remaining())
            throw bad(
                QStringLiteral("lungimea numelui fisierului %1 (%2) este gresita").arg(index).arg(length));
        QByteArray raw(length, Qt::Uninitialized);
        if (!m_in.readExact(raw.data(), length))
            throw truncated(what);
        if (!raw.first(kPrefixLength).toLower().startsWith("data\\"))
            throw bad(QStringLiteral("numele \"%1\" nu este in dosarul Data").arg(fromWin1250(raw)));
        const QString name = fromWin1250(raw.sliced(kPrefixLength));
        const QString problem = nameProblem(name);
        if (!problem.isEmpty())
            throw bad(problem);
        if (isRestoreWork(name))
            throw bad(
                QStringLiteral("numele \"%1\" este rezervat restaurarilor facute de program").arg(name));
        return name;
    }

    quint32 inflateToStage(int index, const ArchiveEntry &e, std::vector<char> &buf)
    {
        // The size the entry declares must fit, with room to spare, before a
        // byte of it is written.
        QStorageInfo disk(m_stage);
        disk.refresh();
        const qint64 free = disk.bytesAvailable();
        if (free >= 0 && e.size + kSpareBytes > free)
            throw Error(QStringLiteral("Pe disc nu este loc pentru fisierul %1 din arhiva (%2 MB; liberi %3 "
                                       "MB). Dosarul de date a ramas neschimbat.")
                            .arg(e.name)
                            .arg((e.size + (1 << 20) - 1) >> 20)
                            .arg(free >> 20));
        QFile file(m_stage + QLatin1Char('/') + QString::number(index));
        if (!file.open(QIODevice::WriteOnly))
            throw Error(QStringLiteral("Fisierul %1 nu poate fi creat: %2")
                            .arg(NativePath(file.fileName()), file.errorString()));
        const quint32 adler = inflateTo(&file, e, buf);
        const bool ok = platform::syncFile(file); // on disk before the old files go
        file.close();
        if (!ok || file.error() != QFileDevice::NoError)
            throw Error(QStringLiteral("Fisierul %1 nu poate fi scris: %2")
                            .arg(NativePath(file.fileName()), file.errorString()));
        return adler;
    }

    // Inflates the entry's stream from the archive; checks its size and its
    // checksum and leaves the archive at the first byte after the stream.
    quint32 inflateTo(QFile *sink, const ArchiveEntry &e, std::vector<char> &buf)
    {
        z_stream zs{};
        if (inflateInit(&zs) != Z_OK)
            throw Error(QStringLiteral("Decompresia nu poate fi pornita (memorie insuficienta)."));
        struct End
        {
            z_stream *zs;
            ~End() { inflateEnd(zs); }
        } end{&zs};
        const QString label = QStringLiteral("Data\\") + e.name;
        qint64 written = 0;
        for (;;) {
            if (!m_in.fill())
                throw truncated(QStringLiteral("sfarsitul fisierului ") + label);
            zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(m_in.data()));
            zs.avail_in = uInt(m_in.available());
            zs.next_out = reinterpret_cast<Bytef *>(buf.data());
            zs.avail_out = uInt(buf.size());
            const int rc = inflate(&zs, Z_NO_FLUSH);
            m_in.consume(m_in.available() - zs.avail_in);
            const qint64 produced = qint64(buf.size()) - zs.avail_out;
            written += produced;
            if (written > e.size)
                throw bad(QStringLiteral("fisierul %1 are mai mult de %2 octeti, cat arata arhiva")
                              .arg(label)
                              .arg(e.size));
            if (sink && produced > 0 && sink->write(buf.data(), produced) != produced)
                throw Error(QStringLiteral("Fisierul %1 nu poate fi scris: %2")
                                .arg(NativePath(sink->fileName()), sink->errorString()));
            if (rc == Z_STREAM_END)
                break;
            if (rc != Z_OK && rc != Z_BUF_ERROR)
                throw bad(QStringLiteral("datele fisierului %1 sunt stricate (%2)")
                              .arg(label, QString::fromLatin1(zs.msg ? zs.msg : "dictionar necunoscut")));
        }
        if (written != e.size)
            throw bad(QStringLiteral("fisierul %1 are %2 octeti, iar arhiva arata %3")
                          .arg(label)
                          .arg(written)
                          .arg(e.size));
        return quint32(zs.adler);
    }

    QString m_path;
    QString m_stage;
    Input m_in;
};

void requireArchive(const QString &archivePath)
{
    if (!QFileInfo(archivePath).isFile())
        throw Error(QStringLiteral("Salvarea %1 nu exista !").arg(NativePath(archivePath)));
}

} // namespace

QList<ArchiveEntry> archive::readArchiveInto(const QString &archivePath, const QString &stageDir,
                                             const ArchiveProgress &progress, const ArchiveEntrySeen &seen)
{
    requireArchive(archivePath);
    return Reader(archivePath, stageDir).run(progress, seen);
}

QList<ArchiveEntry> VerifyArchive(const QString &archivePath, const ArchiveProgress &progress,
                                  const ArchiveEntrySeen &seen)
{
    return archive::readArchiveInto(archivePath, QString(), progress, seen);
}

QList<ArchiveEntry> DecompressFiles(const QString &archivePath, const QString &targetFolder,
                                    const ArchiveProgress &progress)
{
    return restoreDataDir(archivePath, targetFolder + QStringLiteral("/Data"), progress);
}

} // namespace kovara
