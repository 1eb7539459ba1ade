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

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

class QSaveFile;

namespace kovara {

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

    // Creates the document and writes the template's header into it: every
    // line up to the first one holding "\pard", and the trimmed part of that
    // line before it. False when the template is missing, unreadable or empty
    // or the document cannot be created. Empties the pair list.
    bool beginDocument();

    // Why the last beginDocument() returned false, so that a caller says
    // what is wrong rather than guessing.
    enum class BeginFailure {
        None,
        TemplateUnreadable, // missing, unreadable or empty
        NoParagraph,        // no "\pard": the template has no body to fill
        DocumentUnwritable  // the document cannot be created
    };
    BeginFailure beginFailure() const { return m_beginFailure; }

    // One replacement for the next body copy (or for the whole file). The key
    // is the placeholder as written ("[JUDET]"); the value is the text as the
    // user typed it. It is made safe for RTF: "{" and "}" become "(" and ")",
    // a backslash is written as "\\", every letter outside ASCII as an RTF
    // Unicode escape "\uN?".
    void addPair(const QString &key, const QString &value);

    // Appends the template's body `count` times (a "\page" line between two
    // copies), with every placeholder of the pair list replaced. In this
    // mode an empty value writes ".........." and a placeholder longer than
    // four characters written without small letters gets its value in
    // capitals (every letter, ă â î ş ţ included). Empties the pair list. Fails with kovara::Error
    // when no document was begun or the file cannot be written.
    void appendCopies(int count);
    // Appends the line "\par \page". Empties the pair list.
    void appendPageBreak();
    // Appends the closing brace and gives the document its name. Empties the
    // pair list.
    void endDocument();

    // Whole-file mode: writes the destination from the whole template with
    // every pair applied (values as given, an empty value leaves nothing;
    // text put in by one pair is never replaced again). Fails with
    // kovara::Error when the template cannot be read or the document cannot
    // be written.
    void writeWholeFile();

    void clearPairs();

    // The escaped form of a value, as it goes into the document ("\u351?" for
    // "ş"); `capitals` turns every letter into its capital first.
    static QByteArray escapeValue(const QString &value, bool capitals = false);

    // The balance of "{" over "}" of a line of RTF, escaped braces ("\{",
    // "\}") not counted.
    static int braceBalance(QByteArrayView line);

private:
    struct Pair
    {
        QByteArray key;   // as given
        QByteArray upper; // ASCII capitals, for the search
        QString value;    // as given; escaped when inserted
    };

    QByteArray replaceInLine(const QByteArray &line) const;
    void write(const QByteArray &bytes);

    QString m_source;
    QString m_destination;
    QList<Pair> m_pairs;
    std::unique_ptr<QSaveFile> m_out; // the document of line mode, until endDocument
    QList<QByteArray> m_body;         // the template's body lines, ready for copying
    BeginFailure m_beginFailure = BeginFailure::None;
    QByteArray m_lastLine; // the closing line up to the document's brace, trimmed
};

// Splits RTF text into lines at CR LF, LF or a lone CR.
QList<QByteArray> RtfLines(const QByteArray &text);

} // namespace kovara
