#pragma once

// Helpers of the archive tests: a writer of archives built by hand and a
// snapshot of a folder's contents.

#include "TestSupport.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QList>
#include <QMap>
#include <QRandomGenerator>
#include <zlib.h>

namespace kovara::test {

inline QByteArray int32le(qint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((quint32(v) >> (8 * i)) & 0xFF);
    return b;
}

inline QByteArray zlibStream(const QByteArray &data, int level = 9)
{
    uLongf len = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(len), '\0');
    compress2(reinterpret_cast<Bytef *>(out.data()), &len, reinterpret_cast<const Bytef *>(data.constData()),
              uLong(data.size()), level);
    out.truncate(qsizetype(len));
    return out;
}

struct HandEntry
{
    QByteArray name; // stored bytes, prefix included
    QByteArray content;
    int level = 9;
};

inline QByteArray handArchive(const QList<HandEntry> &entries)
{
    QByteArray a = int32le(qint32(entries.size()));
    for (const HandEntry &e : entries)
        a += int32le(qint32(e.name.size())) + e.name + int32le(qint32(e.content.size())) +
             zlibStream(e.content, e.level);
    return a;
}

// Relative path -> contents ("<dir>" for a folder), every file and folder.
inline QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> m;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo fi = it.nextFileInfo();
        const QString rel = QDir(root).relativeFilePath(fi.filePath());
        m.insert(rel, fi.isDir() ? QByteArray("<dir>") : readAll(fi.filePath()));
    }
    return m;
}

inline QByteArray randomBytes(qsizetype n, quint32 seed)
{
    QByteArray b(n, Qt::Uninitialized);
    QRandomGenerator gen(seed);
    for (qsizetype i = 0; i < n; ++i)
        b[i] = char(gen.bounded(256));
    return b;
}

// Text-like bytes that compress the way a dBase table does.
inline QByteArray recordBytes(qsizetype n, quint32 seed)
{
    QByteArray b;
    b.reserve(n);
    QRandomGenerator gen(seed);
    while (b.size() < n) {
        b += " POPESCU ION          ";
        b += QByteArray::number(1000000000000LL + gen.bounded(999999999));
        b += "  Str. Libertatii nr. ";
        b += QByteArray::number(gen.bounded(200));
        b += "   20.04.2024 ";
    }
    b.truncate(n);
    return b;
}

} // namespace kovara::test
