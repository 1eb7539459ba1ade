#pragma once

// Helpers shared by the dBase table tests.

#include "engines/dbf/Dbf.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

namespace kovara::test {

// A writer waiting for a table another holder keeps gives up after a
// moment instead of the program's 30 s, for the tests of that refusal.
struct ShortLockWait
{
    int saved = dbf::lockWait();
    ShortLockWait() { dbf::setLockWait(200); }
    ~ShortLockWait() { dbf::setLockWait(saved); }
};

// One field of every kind the program writes.
QList<dbf::FieldDef> sampleFields();

// Header values read straight from the bytes of a file.
quint32 headerCount(const QByteArray &file);
int headerLength(const QByteArray &file);
int recordLength(const QByteArray &file);

// Creates a table at `path` with `fields` and appends `rows`, each a list of
// values in field order; rows whose first value is "*" (as a string) are
// stored and then marked deleted, the marker itself being dropped.
void makeTable(const QString &path, const QList<dbf::FieldDef> &fields, const QList<QVariantList> &rows);

// Writes a table of `count` records of about 460 bytes (the request table's
// width) in one go; every `deletedEvery`-th record is marked deleted
// (0: none). Returns the bytes written.
QByteArray writeWideTable(const QString &path, int count, int deletedEvery);

} // namespace kovara::test
