#pragma once

// A settings file of the classic Windows INI kind, kept as the bytes it has
// on disk so that writing one value changes nothing else in the file.
//
// Reading follows the Windows profile functions:
// - a section starts at a line "[NAME]"; keys are lines "KEY=value";
//   section names and keys are matched without regard to the case of the
//   ASCII letters, and blanks around them are ignored;
// - the value is what follows the first '=' up to the end of the line, with
//   the blanks at both ends removed and one pair of matching quotes (double
//   or single) around it dropped;
// - lines whose first non-blank character is ';' are comments; a line of a
//   section with text but no '=' is a key with an empty value;
// - a key is looked up in every section of that name, in file order, and
//   its first occurrence wins;
// - lines end with CR LF or with LF alone.
//
// Writing:
// - an existing key keeps its line: only the text after '=' and the blanks
//   that follow it is replaced;
// - a new key goes right after the last key line of the first section of
//   that name (so before the blank lines and comments that close it);
// - a new section goes to the end of the file;
// - new lines end with CR LF; every other line keeps its own line end;
// - a value with blanks at either end, or enclosed in matching quotes, is
//   written inside double quotes, so that it reads back unchanged;
// - section names, keys and values that would break the line structure
//   (line breaks, '=' in a key, ...) or that have characters the file's
//   character set lacks are refused, rather than written changed.
//
// The file is Windows-1250 on disk; one that starts with the UTF-8 byte
// order mark, or whose bytes are all valid UTF-8 with at least one letter of
// several bytes (an editor's "UTF-8" without the mark), is read and written
// as UTF-8, and keeps the mark or its absence.

#include <QByteArray>
#include <QString>

namespace kovara {

class IniFile
{
public:
    IniFile() = default;
    explicit IniFile(QByteArray bytes);

    // An absent file gives an empty IniFile; a file that exists but cannot
    // be read fails with kovara::Error.
    static IniFile load(const QString &path);
    // Replaces the file through a temporary file in the same folder, so a
    // crash never leaves it half-written. Fails with kovara::Error.
    void save(const QString &path) const;

    bool contains(const QString &section, const QString &key) const;
    // An absent section or key gives the empty text.
    QString value(const QString &section, const QString &key) const;
    // Fails with kovara::Error when the section name, the key or the value
    // cannot be written as one line of the file.
    void setValue(const QString &section, const QString &key, const QString &value);

    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray encode(QStringView text) const;
    QString decode(QByteArrayView bytes) const;

    QByteArray m_bytes;
    bool m_bom = false;  // starts with the UTF-8 byte order mark (kept when written)
    bool m_utf8 = false; // read and written as UTF-8
};

} // namespace kovara
