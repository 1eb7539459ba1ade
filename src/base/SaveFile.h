#pragma once

// Whole files written through a temporary copy beside them (QSaveFile), and
// why a write failed in the program's own words.
//
// Qt's QSaveFile::commit() gives the copy the target's name even when the
// last of its buffered writes failed (a full disk): the target becomes a
// short or empty file and the caller believes it saved. Every save of the
// program ends with SaveWhole, which sends what the copy holds to the disk
// first and gives it the name only when all of it is there.

#include <QByteArray>
#include <QString>

class QFileDevice;
class QSaveFile;

namespace kovara {

// Commits `file` after flushing it to the disk; false (and nothing renamed)
// when any byte could not be written.
bool SaveWhole(QSaveFile &file);

// Writes `bytes` as the whole content of `path` through a temporary copy.
// False when it could not; WriteFailureText(file) is then of no use, so the
// reason is put in `*reason` when given.
bool SaveBytes(const QString &path, const QByteArray &bytes, QString *reason = nullptr);

// Why writing `file` failed: "discul este plin" when the disk holding it has
// no room left, else the system's reason.
QString WriteFailureText(const QFileDevice &file);

// True when the disk holding `path` (a file or a folder, existing or not) has
// less room than a small file needs.
bool DiskFullAt(const QString &path);

// The words of a full disk, for messages built elsewhere.
QString DiskFullText();

} // namespace kovara
