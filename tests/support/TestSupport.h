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

// True under continuous integration (the variable CI set, as CI runs set
// it), where every reader the tests use is installed.
bool underCi();

} // namespace kovara::test

// For a test that needs an outside reader (python3-xlrd, python3-dbfread):
// when `available` is false the test fails under CI and is skipped with a
// message elsewhere. In a test's body or SetUp.
#define KOVARA_NEEDS(available, what)                                                                      \
    if (available) {                                                                                       \
    } else if (::kovara::test::underCi())                                                                  \
        GTEST_FAIL() << what << " is not installed (under CI every reader must be)";                      \
    else                                                                                                   \
        GTEST_SKIP() << what << " is not installed"
