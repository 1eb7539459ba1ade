#pragma once

// Inside the workbook engine: the parsed workbook shared by its files.

#include "engines/workbook/BiffSst.h"
#include "engines/workbook/BiffWorkbook.h"
#include "engines/workbook/CompoundFile.h"

#include <map>

namespace kovara {

struct BiffWorkbook::Impl
{
    struct Substream
    {
        qint64 position = 0; // where it began in the stream read
        QByteArray original;
        bool worksheet = false;
        biff::Sheet sheet;
    };
    struct SheetEntry
    {
        size_t boundSheet = 0; // index among the globals records
        size_t substream = 0;
        QString name;
    };

    QString fileName;
    biff::CompoundNode container;
    QString streamName = QStringLiteral("Workbook");

    std::vector<biff::Record> globals; // every record of the globals, as read
    QByteArray globalsOriginal;
    size_t sstIndex = size_t(-1), sstEnd = size_t(-1), extSstIndex = size_t(-1);
    biff::SharedStrings sst;
    std::vector<bool> dateXf;            // by XF index: shows numbers as dates
    std::vector<size_t> xfRecords;       // by XF index: its record among the globals
    std::map<quint16, quint16> shrunkXf; // a format and its shrink-to-fit copy
    bool globalsChanged = false;
    bool dates1904 = false;

    std::vector<Substream> substreams;
    std::vector<SheetEntry> sheets;
    QByteArray trailing; // bytes after the last substream
    int current = 0;     // index into sheets

    void parseStream(const QByteArray &stream);
    QByteArray writeStream() const;

    biff::Sheet &sheet();
    const biff::Sheet &sheet() const;
    [[noreturn]] void damaged() const;
};

} // namespace kovara
