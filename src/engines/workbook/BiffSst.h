#pragma once

// The shared string table (SST) of a BIFF8 workbook: every text of a LABELSST
// cell, stored once. Read from the SST record and its CONTINUE records;
// written back split at the record size limit, never inside a character.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

namespace kovara::biff {

class SharedStrings
{
public:
    // The data of the SST record followed by those of its CONTINUE records.
    void parse(const std::vector<QByteArray> &segments);

    int count() const { return int(m_entries.size()); }
    const QString &text(int index) const { return m_entries[size_t(index)].text; }
    // The index of a plain (unformatted) string equal to `text`, added at the
    // end when there is none.
    int add(const QString &text);
    bool changed() const { return m_changed; }

    // Appends SST and CONTINUE records to `stream`, which starts at stream
    // position `streamBase`; `total` is the number of LABELSST cells of the
    // workbook. `extSst` receives the data of the matching EXTSST record.
    void write(QByteArray &stream, qint64 streamBase, quint32 total, QByteArray &extSst) const;

private:
    struct Entry
    {
        QString text;
        QByteArray runs;     // formatting runs, 4 bytes each
        QByteArray phonetic; // Far East phonetic data
    };
    std::vector<Entry> m_entries;
    QHash<QString, int> m_plain; // plain strings by text, first occurrence
    bool m_changed = false;
};

} // namespace kovara::biff
