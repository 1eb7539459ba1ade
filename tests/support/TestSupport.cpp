#include "TestSupport.h"

#include <QFile>
#include <stdexcept>

namespace kovara::test {

ScratchDir::ScratchDir()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a scratch folder");
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QString sourcePath(const QString &relative)
{
    return QString::fromLocal8Bit(qgetenv("KOVARA_SOURCE_DIR")) + QLatin1Char('/') + relative;
}

QByteArray fromHex(const char *hex)
{
    QByteArray compact(hex);
    compact.replace(' ', "");
    return QByteArray::fromHex(compact);
}

bool underCi()
{
    const QByteArray ci = qgetenv("CI").trimmed().toLower();
    return !ci.isEmpty() && ci != "false" && ci != "0";
}

} // namespace kovara::test
