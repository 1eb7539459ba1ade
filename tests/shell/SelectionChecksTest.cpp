#include "shell/SelectionChecks.h"

#include <gtest/gtest.h>

using namespace kovara;

namespace {

TEST(SelectionChecks, Periods)
{
    const QDate march1(2008, 3, 1), march31(2008, 3, 31);
    const struct
    {
        QDate from, to;
        const char *text;
        int field;
    } cases[] = {
        {march1, march31, "", 0},
        {march1, march1, "", 0}, // one day
        {march31, march1, "Interval incorect!", 1},
        {QDate(), march31, "Data incorecta!", 0},
        {march1, QDate(), "Data incorecta!", 1},
    };
    for (const auto &c : cases) {
        const SelectionProblem p = CheckPeriod(c.from, c.to);
        EXPECT_EQ(p.text, QString::fromUtf8(c.text)) << c.from.toString().toStdString();
        EXPECT_EQ(p.ok(), p.text.isEmpty());
        if (!p.ok()) {
            EXPECT_EQ(p.field, c.field);
        }
    }
}

TEST(SelectionChecks, DispositionRanges)
{
    const struct
    {
        qint64 first, last;
        bool ok;
    } cases[] = {{1, 1, true}, {1, 9, true}, {0, 2, false}, {-3, 2, false}, {9, 1, false}, {0, 0, false}};
    for (const auto &c : cases) {
        const SelectionProblem p = CheckDispositionRange(c.first, c.last);
        EXPECT_EQ(p.ok(), c.ok) << c.first << ".." << c.last;
        if (!c.ok) {
            EXPECT_EQ(p.text, QStringLiteral("Intervalul ales este incorect!"));
        }
    }
}

} // namespace
