#pragma once

// The RTF template engine: turns a template saved by a word processor into a
// finished document by putting values in place of placeholder texts such as
// "[NRCERERE]". The template is read as lines of Windows-1250 text; it is
// never parsed as RTF beyond counting braces.
//
// Line mode (documents of many pages):
//     RtfReplace rtf;
//     rtf.setSource(template);  rtf.setDestination(path)
//     if (!rtf.beginDocument()) ...the caller's own message...
//     for each record: addPair(...) for every placeholder, appendCopies(n),
//                      appendPageBreak() between two records
//     rtf.endDocument();
// Whole-file mode (the request form):
//     setSource, setDestination, clearPairs, addPair..., writeWholeFile().
//
// A document of line mode is written to a temporary file next to its
// destination and takes the destination's name only at endDocument(), so an
// interrupted command never leaves a half-written document behind.
//
// The template is cut once into fixed runs and placeholder slots
// (RtfSlots.h): writing a copy costs its size, and a value put in by one
// pair is never searched again by another. Every key is a slot, "[NR]".
//
// Limits: a template of more than kRtfTemplateLimit bytes is not read, and
// a document of more than documentLimit() bytes is not written; its size
// is known before the first byte (documentBytes(), wholeFileBytes()), and
// the engine refuses one that would grow past it with nothing at the
// destination.

#include "engines/rtf/RtfSlots.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <utility>

class QSaveFile;

namespace kovara {

// The largest template read: 8 MiB. A template a word processor saves,
// pictures and all, stays far below; a larger file is not one, and reading
// it would only fill the memory.
inline constexpr qint64 kRtfTemplateLimit = qint64(8) << 20;
// The largest document written: 512 MiB, some 200,000 pages of the
// program's dispositions; past that a word processor cannot open it anyway.
inline constexpr qint64 kRtfDocumentLimit = qint64(512) << 20;

// The pairs of one record, in their order.
using RtfRecord = QList<std::pair<QString, QString>>;

class RtfReplace
{
public:
    RtfReplace();
    ~RtfReplace();
    RtfReplace(const RtfReplace &) = delete;
    RtfReplace &operator=(const RtfReplace &) = delete;

    // Full path of the template.
    QString source() const { return m_source; }
    void setSource(const QString &path) { m_source = path; }
    // Full path of the document being written.
    QString destination() const { return m_destination; }
    void setDestination(const QString &path) { m_destination = path; }

    // Reads the template of line mode and cuts it into its header (every
    // line up to the first one holding "\pard", and the trimmed part of that
    // line before it) and its body, touching no document. False when the
    // template is missing, unreadable, empty, too large or has no "\pard"
    // (beginFailure() says which). beginDocument() reads it when this was
    // not called for the same source since the last document.
    bool loadTemplate();

    // Creates the document and writes the template's header into it. False
    // when the template cannot be loaded or the document cannot be created.
    // Empties the pair list.
    bool beginDocument();

    // Why the last loadTemplate() or beginDocument() returned false, so that
    // a caller says what is wrong rather than guessing.
    enum class BeginFailure {
        None,
        TemplateUnreadable, // missing, unreadable or empty
        TemplateTooLarge,   // more than kRtfTemplateLimit bytes
        NoParagraph,        // no "\pard": the template has no body to fill
        DocumentUnwritable  // the document cannot be created
    };
    BeginFailure beginFailure() const { return m_beginFailure; }

    // One replacement for the next body copy (or for the whole file). The key
    // is the placeholder as written ("[JUDET]"); the value is the text as the
    // user typed it. It is made safe for RTF: "{" and "}" become "(" and ")",
    // a backslash is written as "\\", every letter outside ASCII as an RTF
    // Unicode escape "\uN?". An empty key is ignored; a key that is not one
    // placeholder in brackets ("NR", "[A[B]") fails with kovara::Error.
    void addPair(const QString &key, const QString &value);

    // After loadTemplate(): the bytes appendCopies(count) would write with
    // the pairs added so far (copyBytes() for one copy).
    qint64 copyBytes() const { return copiesBytes(1); }
    qint64 copiesBytes(int count) const;
    // The bytes of the whole document of line mode that `records` make,
    // `copies` copies of each, a page break between two records: what
    // beginDocument() ... endDocument() would write. Loads the template
    // when needed; -1 when it cannot (beginFailure() says why). Empties the
    // pair list.
    qint64 documentBytes(const QList<RtfRecord> &records, int copies);

    // Appends the template's body `count` times (a "\page" line between two
    // copies), with every placeholder of the pair list replaced. In this
    // mode an empty value writes ".........." and a placeholder longer than
    // four characters written without small letters gets its value in
    // capitals (every letter, ă â î ş ţ included). Empties the pair list.
    // Fails with kovara::Error when no document was begun or the file cannot
    // be written, and when the document would grow past documentLimit(): the
    // document is then given up, nothing reaches its destination.
    void appendCopies(int count);
    // Appends the line "\par \page". Empties the pair list.
    void appendPageBreak();
    // Appends the closing brace and gives the document its name. Empties the
    // pair list.
    void endDocument();

    // Whole-file mode: writes the destination from the whole template with
    // every pair applied (values as given, an empty value leaves nothing;
    // text put in by one pair is never replaced again). Fails with
    // kovara::Error when the template cannot be read or is too large, when
    // the document would be larger than documentLimit() (nothing written),
    // or when it cannot be written.
    void writeWholeFile();
    // The bytes writeWholeFile() would write with the pairs added so far.
    // Reads the template (kept for writeWholeFile()); fails as it does.
    qint64 wholeFileBytes();

    void clearPairs();

    // The escaped form of a value, as it goes into the document ("\u351?" for
    // "ş"); `capitals` turns every letter into its capital first.
    static QByteArray escapeValue(const QString &value, bool capitals = false);

    // The balance of "{" over "}" of a line of RTF, escaped braces ("\{",
    // "\}") not counted.
    static int braceBalance(QByteArrayView line);

    // The largest document written: kRtfDocumentLimit, unless a test lowered
    // it with setDocumentLimit() (0 puts it back).
    static qint64 documentLimit();
    static void setDocumentLimit(qint64 bytes);
    // "are 9 MB; un model de document poate avea cel mult 8 MB", as a message
    // says it after "Modelul <path> ", for a template above
    // kRtfTemplateLimit; empty otherwise.
    static QString templateSizeFault(const QString &path);
    // "Documentul ar avea 600 MB, peste limita de 512 MB" for a document
    // above documentLimit(); empty otherwise.
    static QString documentSizeFault(qint64 bytes);

private:
    // `closing`: the document's closing brace, already counted otherwise.
    void write(QByteArrayView bytes, bool closing = false);
    void reserve(qint64 bytes, bool closing = false); // fails, giving up the document, past the limit
    void abandon();
    // The template's bytes; false when it cannot be read (`why`), or when it
    // is above kRtfTemplateLimit (`tooLarge`; nothing past the limit read).
    static bool readTemplate(const QString &path, QByteArray &bytes, bool &tooLarge, QString &why);
    bool templateLoaded() const { return m_loaded && m_loadedSource == m_source; }
    void loadWholeFile();

    QString m_source;
    QString m_destination;
    QList<RtfPair> m_pairs;
    std::unique_ptr<QSaveFile> m_out;    // the document of line mode, until endDocument
    std::unique_ptr<RtfWriter> m_writer; // into m_out
    BeginFailure m_beginFailure = BeginFailure::None;
    bool m_loaded = false; // m_header and m_body hold m_loadedSource's template
    QString m_loadedSource;
    QByteArray m_header;   // written by beginDocument
    RtfSlotText m_body;    // the body lines and the closing line up to the document's brace
    QString m_wholeSource; // the template m_whole holds, whole; empty when none
    RtfSlotText m_whole;
};

// Splits RTF text into lines at CR LF, LF or a lone CR.
QList<QByteArray> RtfLines(const QByteArray &text);

} // namespace kovara
