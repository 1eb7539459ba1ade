// The whole-file mode of the template engine, and its limits.

#include "engines/rtf/RtfReplace.h"

#include "base/Error.h"
#include "base/NativePath.h"
#include "base/SaveFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kovara {
namespace {

qint64 g_documentLimit = 0; // 0: kRtfDocumentLimit

qint64 megabytes(qint64 bytes)
{
    return (bytes + (qint64(1) << 20) - 1) >> 20;
}

} // namespace

qint64 RtfReplace::documentLimit()
{
    return g_documentLimit > 0 ? g_documentLimit : kRtfDocumentLimit;
}

void RtfReplace::setDocumentLimit(qint64 bytes)
{
    g_documentLimit = bytes;
}

QString RtfReplace::templateSizeFault(const QString &path)
{
    const qint64 size = QFileInfo(path).size();
    if (size <= kRtfTemplateLimit)
        return QString();
    return QStringLiteral("are %1 MB; un model de document poate avea cel mult %2 MB")
        .arg(megabytes(size))
        .arg(kRtfTemplateLimit >> 20);
}

QString RtfReplace::documentSizeFault(qint64 bytes)
{
    if (bytes <= documentLimit())
        return QString();
    return QStringLiteral("Documentul ar avea %1 MB, peste limita de %2 MB")
        .arg(megabytes(bytes))
        .arg(megabytes(documentLimit()));
}

bool RtfReplace::readTemplate(const QString &path, QByteArray &bytes, bool &tooLarge, QString &why)
{
    tooLarge = QFileInfo(path).size() > kRtfTemplateLimit;
    if (tooLarge)
        return false;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        why = in.errorString();
        return false;
    }
    // In blocks, so that a file grown since it was measured is stopped at the limit.
    bytes.clear();
    bytes.reserve(in.size());
    char block[64 * 1024];
    for (;;) {
        const qint64 n = in.read(block, sizeof block);
        if (n < 0) {
            why = in.errorString();
            return false;
        }
        if (n == 0)
            return true;
        bytes.append(block, n);
        tooLarge = bytes.size() > kRtfTemplateLimit;
        if (tooLarge)
            return false;
    }
}

void RtfReplace::loadWholeFile()
{
    m_wholeSource.clear();
    m_whole = RtfSlotText();
    QByteArray bytes;
    bool tooLarge = false;
    QString why;
    if (!readTemplate(m_source, bytes, tooLarge, why)) {
        if (tooLarge)
            throw Error(
                QStringLiteral("Modelul %1 %2 !").arg(NativePath(m_source), templateSizeFault(m_source)));
        throw Error(QStringLiteral("Modelul %1 nu poate fi deschis: %2").arg(NativePath(m_source), why));
    }
    const QList<QByteArray> lines = RtfLines(bytes);
    bytes.clear();
    QByteArray text;
    qsizetype size = 0;
    for (const QByteArray &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QByteArray &line : lines)
        text += line + QByteArrayLiteral("\r\n");
    m_whole = RtfSlotText(std::move(text));
    m_wholeSource = m_source;
}

qint64 RtfReplace::wholeFileBytes()
{
    if (m_wholeSource.isEmpty() || m_wholeSource != m_source)
        loadWholeFile();
    return m_whole.fill(m_pairs, RtfFillMode::WholeFile).bytes();
}

void RtfReplace::writeWholeFile()
{
    if (m_wholeSource.isEmpty() || m_wholeSource != m_source)
        loadWholeFile();
    const RtfFill fill = m_whole.fill(m_pairs, RtfFillMode::WholeFile);
    m_wholeSource.clear(); // the next document reads its template again
    if (fill.bytes() > documentLimit())
        throw Error(QStringLiteral("Documentul %1 nu a fost scris: %2.")
                        .arg(NativePath(m_destination), documentSizeFault(fill.bytes())));
    QSaveFile out(m_destination);
    if (out.open(QIODevice::WriteOnly)) {
        RtfWriter writer(out, m_destination);
        fill.write(writer);
        writer.flush();
        if (SaveWhole(out))
            return;
    }
    throw Error(QStringLiteral("Documentul %1 nu poate fi scris: %2")
                    .arg(NativePath(m_destination), WriteFailureText(out)));
}

} // namespace kovara
