#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace kovara::test {

// A scratch folder removed at the end of the test.
class ScratchDir
{
public:
    ScratchDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

QByteArray readAll(const QString &path);
void writeAll(const QString &path, const QByteArray &bytes);
QString sourcePath(const QString &relative); // file of the source tree
QByteArray fromHex(const char *hex);         // spaces allowed

} // namespace kovara::test
