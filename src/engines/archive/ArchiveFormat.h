#pragma once

// Pieces shared by the archive writer and reader.

#include "engines/archive/Archive.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdint>

namespace kovara::archive {

// Size of the read and write buffers: large enough that the system calls
// cost nothing next to deflate, small enough to keep memory flat.
constexpr qint64 kBufferSize = 256 * 1024;

// Every stored name begins with this folder.
inline constexpr char kPrefix[] = "Data\\";
constexpr int kPrefixLength = 5;

// Longest stored name accepted when reading (the prefix and a long file name).
constexpr qint32 kMaxNameLength = 1024;

inline void putInt32(char *p, qint32 value)
{
    const auto v = static_cast<std::uint32_t>(value);
    p[0] = char(v & 0xFF);
    p[1] = char((v >> 8) & 0xFF);
    p[2] = char((v >> 16) & 0xFF);
    p[3] = char((v >> 24) & 0xFF);
}

inline qint32 getInt32(const char *p)
{
    const auto b = reinterpret_cast<const unsigned char *>(p);
    return static_cast<qint32>(std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) |
                               (std::uint32_t(b[2]) << 16) | (std::uint32_t(b[3]) << 24));
}

// Why a file name cannot stand in the data folder (it would leave it, or it
// names no file); empty when the name is fine.
QString nameProblem(const QString &name);

// True when the two paths name the same file: the same file on disk when
// both exist (links and ".." resolved), otherwise the same absolute path (a
// file about to be written).
bool sameFile(const QString &a, const QString &b);

// The restore's own plan, lock and scratch folders in the data folder
// (".kovara-restore..."): never saved, never moved aside.
bool isRestoreWork(const QString &name);

// Reads and checks the whole archive. With a stage folder, entry i (from 1)
// is written there as the file named i; without one the bytes are dropped.
QList<ArchiveEntry> readArchiveInto(const QString &archivePath, const QString &stageDir,
                                    const ArchiveProgress &progress, const ArchiveEntrySeen &seen = {});

} // namespace kovara::archive
