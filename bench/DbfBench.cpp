// Scans, pack and add-column over a table the size of a large office's
// request table: 200,000 records of 464 bytes.

#include "engines/dbf/Dbf.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRecords = 200000;

QList<kovara::dbf::FieldDef> wideFields()
{
    return {{"IDCERERE", 'N', 10, 0}, {"DINDATA", 'D', 8, 0}, {"SUBSEMN", 'C', 32, 0},
            {"ADRESA", 'C', 60, 0},   {"CNP", 'C', 13, 0},    {"NOTE1", 'C', 254, 0},
            {"NOTE2", 'C', 80, 0},    {"CUANTUM", 'N', 6, 0}};
}

// Writes the table once per run; every tenth record is deleted.
QByteArray writeTable(const QString &path)
{
    using namespace kovara::dbf;
    Table::create(path, wideFields());
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QByteArray bytes = file.readAll();
    file.close();
    bytes.chop(1);
    auto table = Table::open(path);
    const QList<Field> &f = table->fields();
    QByteArray record = table->blankRecord();
    for (int i = 0; i < kRecords; ++i) {
        record[0] = i % 10 == 9 ? '*' : ' ';
        encodeField(f[0], i + 1, record);
        encodeField(f[1], QDate(2010, 1, 1).addDays(i % 5000), record);
        encodeField(f[2], QStringLiteral("POPESCU ŞTEFAN %1").arg(i), record);
        encodeField(f[3], QStringLiteral("Str. Ţepeş Vodă nr. %1").arg(i % 300), record);
        encodeField(f[7], i % 1000, record);
        bytes += record;
    }
    bytes += '\x1a';
    for (int i = 0; i < 4; ++i)
        bytes[4 + i] = char((quint32(kRecords) >> (8 * i)) & 0xFF);
    return bytes;
}

struct Fixture
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Cereri.dbf"));
    QByteArray bytes;

    Fixture()
    {
        bytes = writeTable(path);
        restore();
    }
    void restore() const
    {
        QFile out(path);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(bytes);
    }
};

const Fixture &fixture()
{
    static const Fixture f;
    return f;
}

// Raw blocks of records, as the SQL layer reads them.
void BM_ScanBlocks(benchmark::State &state)
{
    const Fixture &fx = fixture();
    const qint64 block = state.range(0);
    for (auto _ : state) {
        auto table = kovara::dbf::Table::open(fx.path);
        QByteArray buffer;
        qint64 live = 0;
        for (qint64 first = 0; first < table->recordCount(); first += block) {
            const qint64 n = std::min(block, table->recordCount() - first);
            table->readRecords(first, n, buffer);
            for (qint64 i = 0; i < n; ++i)
                live += buffer.at(i * table->recordLength()) != '*';
        }
        benchmark::DoNotOptimize(live);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ScanBlocks)->Arg(64)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

// The same scan decoding two fields of every live record (a filter on a
// number and a text).
void BM_ScanDecode(benchmark::State &state)
{
    const Fixture &fx = fixture();
    for (auto _ : state) {
        auto table = kovara::dbf::Table::open(fx.path);
        const kovara::dbf::Field &id = table->fields()[0];
        const kovara::dbf::Field &name = table->fields()[2];
        QByteArray buffer;
        qint64 sum = 0;
        for (qint64 first = 0; first < table->recordCount(); first += 256) {
            const qint64 n = std::min<qint64>(256, table->recordCount() - first);
            table->readRecords(first, n, buffer);
            for (qint64 i = 0; i < n; ++i) {
                const QByteArrayView record(buffer.constData() + i * table->recordLength(),
                                            table->recordLength());
                if (table->isDeleted(record))
                    continue;
                sum += kovara::dbf::decodeField(id, kovara::dbf::fieldBytes(id, record)).toLongLong();
                sum +=
                    kovara::dbf::decodeField(name, kovara::dbf::fieldBytes(name, record)).toString().size();
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ScanDecode)->Unit(benchmark::kMillisecond);

void BM_Pack(benchmark::State &state)
{
    const Fixture &fx = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        fx.restore();
        state.ResumeTiming();
        benchmark::DoNotOptimize(kovara::dbf::pack(fx.path));
    }
    fx.restore();
}
BENCHMARK(BM_Pack)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AddColumn(benchmark::State &state)
{
    const Fixture &fx = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        fx.restore();
        state.ResumeTiming();
        kovara::dbf::addColumn(fx.path, {"HANDI", 'C', 2, 0});
    }
    fx.restore();
}
BENCHMARK(BM_AddColumn)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
