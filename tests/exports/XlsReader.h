#pragma once

// What an independent reader (Debian's python3-xlrd) sees in a workbook.

#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace kovara::test {

struct XlrdCell
{
    int type = 0; // 0 empty, 1 text, 2 number, 3 date, 4 boolean, 5 error, 6 blank
    QJsonValue value;
    int xf = -1;
    QString format;
    bool bold = false;
    QString font;
    QJsonArray border;
    bool shrink = false; // the text is drawn smaller to fit its cell
    bool wrap = false;
};

struct XlrdSheet
{
    QString name;
    int nrows = 0, ncols = 0;
    QJsonArray merged; // [first row, row after last, first column, column after last]
    QJsonObject heights;
    QHash<QPair<int, int>, XlrdCell> cells; // (row, column) from 0

    XlrdCell at(int row, int column) const { return cells.value({row, column}); }
};

inline bool xlrdAvailable()
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral("import xlrd")});
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Fails the test (and returns no sheet) when xlrd cannot read the file.
inline QList<XlrdSheet> readWithXlrd(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {sourcePath(QStringLiteral("tests/exports/xls_dump.py")), path});
    const bool finished = p.waitForFinished(300000);
    const QByteArray out = p.readAllStandardOutput();
    EXPECT_TRUE(finished && p.exitCode() == 0) << p.readAllStandardError().toStdString();
    QList<XlrdSheet> sheets;
    for (const QJsonValue &sv : QJsonDocument::fromJson(out).array()) {
        const QJsonObject so = sv.toObject();
        XlrdSheet s;
        s.name = so["name"].toString();
        s.nrows = so["nrows"].toInt();
        s.ncols = so["ncols"].toInt();
        s.merged = so["merged"].toArray();
        s.heights = so["heights"].toObject();
        for (const QJsonValue &cv : so["cells"].toArray()) {
            const QJsonObject co = cv.toObject();
            s.cells.insert({co["r"].toInt(), co["c"].toInt()},
                           XlrdCell{co["type"].toInt(), co["value"], co["xf"].toInt(),
                                    co["format"].toString(), co["bold"].toBool(), co["font"].toString(),
                                    co["border"].toArray(), co["shrink"].toBool(), co["wrap"].toBool()});
        }
        sheets << s;
    }
    return sheets;
}

} // namespace kovara::test
