// The parallel compressor: one zlib stream that plain zlib restores, sizes
// around the block edges, the cost in size, failures on either side.
#include "engines/archive/ParallelDeflate.h"
#include "ArchiveTestUtil.h"
#include "base/Error.h"

#include <gtest/gtest.h>
#include <new>

using namespace kovara;
using namespace kovara::archive;
using namespace kovara::test;

namespace {

constexpr qint64 kSmallBlock = 64 * 1024;

struct Compressed
{
    QByteArray bytes;
    int mostHeld = 0; // blocks read but not yet written, at the most
};

// Compresses `input` from memory, counting the blocks held between the
// source and the sink (one write per block after the 2-byte header).
Compressed compress(ParallelDeflate &deflater, const QByteArray &input)
{
    Compressed c;
    qint64 offset = 0;
    int reads = 0, writes = 0;
    deflater.run(
        input.size(),
        [&](char *dst, qint64 n) {
            std::memcpy(dst, input.constData() + offset, size_t(n));
            offset += n;
            c.mostHeld = std::max(c.mostHeld, ++reads - std::max(writes - 1, 0));
        },
        [&](const char *data, qint64 n) {
            c.bytes.append(data, n);
            ++writes;
        });
    EXPECT_EQ(offset, input.size());
    return c;
}

QByteArray compress(const QByteArray &input, int threads, qint64 block)
{
    ParallelDeflate deflater(threads, block);
    return compress(deflater, input).bytes;
}

// Plain zlib: the whole stream must be used and give back exactly `size` bytes.
QByteArray inflateWithZlib(const QByteArray &stream, qint64 size)
{
    QByteArray out(size + 1, '\0'); // one byte spare: a longer stream shows
    uLongf outLength = uLongf(out.size());
    uLong inLength = uLong(stream.size());
    const int rc = uncompress2(reinterpret_cast<Bytef *>(out.data()), &outLength,
                               reinterpret_cast<const Bytef *>(stream.constData()), &inLength);
    EXPECT_EQ(rc, Z_OK);
    EXPECT_EQ(qsizetype(inLength), stream.size()) << "bytes after the stream's end";
    out.truncate(qsizetype(outLength));
    return out;
}

QByteArray bigEndian(quint32 v)
{
    return QByteArray::fromHex(QByteArray::number(v, 16).rightJustified(8, '0'));
}

// A dBase-like table: fixed-width records of names, codes, dates, amounts.
QByteArray tableBytes(qsizetype n, quint32 seed)
{
    static const char *const names[] = {"POPESCU", "IONESCU", "POPA", "STAN", "MATEI", "RADU", "TUDOR"};
    static const char *const given[] = {"ION", "MARIA", "ELENA", "ANDREI", "ANA", "MIHAI"};
    QRandomGenerator gen(seed);
    QByteArray b;
    b.reserve(n + 256);
    while (b.size() < n) {
        QByteArray rec = " " + QByteArray::number(100000 + gen.bounded(900000)).leftJustified(10);
        rec += QByteArray(names[gen.bounded(7)]).leftJustified(30) +
               QByteArray(given[gen.bounded(6)]).leftJustified(30);
        rec += QByteArray::number(1000000000000LL + gen.bounded(999999999) * 1000LL).leftJustified(13);
        rec += "Str. " + QByteArray(names[gen.bounded(7)]) + " nr. " + QByteArray::number(gen.bounded(300));
        rec =
            rec.leftJustified(150) + QByteArray::number(20200101 + gen.bounded(5) * 10000 + gen.bounded(28));
        rec += QByteArray::number(200 + gen.bounded(2000)).rightJustified(12) + ".00";
        b += rec.leftJustified(256);
    }
    b.truncate(n);
    return b;
}

struct HookGuard
{
    explicit HookGuard(std::function<void(qint64)> hook) { ParallelDeflate::setBlockHook(std::move(hook)); }
    ~HookGuard() { ParallelDeflate::setBlockHook({}); }
};

TEST(ParallelDeflate, EveryStreamInflatesWithPlainZlibToItsInput)
{
    const qint64 B = kSmallBlock, D = kDeflateBlockSize;
    const struct
    {
        qint64 block;
        qint64 size;
    } cases[] = {{B, 0},         {B, 1},     {B, B - 1},     {B, B},          {B, B + 1},
                 {B, 2 * B - 1}, {B, 2 * B}, {B, 2 * B + 1}, {B, 7 * B + 17}, {D, D + 1},
                 {D, 2 * D - 1}, {D, 2 * D}, {D, 3 * D + 1}};
    for (const auto &c : cases) {
        for (const bool random : {true, false}) {
            SCOPED_TRACE(testing::Message() << "block " << c.block << ", size " << c.size
                                            << (random ? ", random" : ", records"));
            const QByteArray input = random ? randomBytes(c.size, quint32(c.size)) : recordBytes(c.size, 7);
            const QByteArray stream = compress(input, 2, c.block);
            EXPECT_EQ(inflateWithZlib(stream, c.size), input);
            if (c.size < 2 * c.block) {
                EXPECT_EQ(stream, zlibStream(input, 9)); // the single stream, as before
            } else {
                EXPECT_EQ(stream.first(2), fromHex("78 DA"));
                const auto adler = quint32(
                    adler32(1, reinterpret_cast<const Bytef *>(input.constData()), uInt(input.size())));
                EXPECT_EQ(stream.last(4), bigEndian(adler));
            }
        }
    }
}

TEST(ParallelDeflate, TheBytesDependOnTheBlockSizeAloneAndMemoryStaysBounded)
{
    const QByteArray input = recordBytes(23 * kSmallBlock + 5, 3) + randomBytes(4 * kSmallBlock, 3);
    const QByteArray two = compress(input, 2, kSmallBlock);
    EXPECT_EQ(inflateWithZlib(two, input.size()), input);
    for (const int threads : {3, 4, 8}) {
        ParallelDeflate deflater(threads, kSmallBlock);
        const Compressed c = compress(deflater, input);
        EXPECT_EQ(c.bytes, two) << threads << " threads";
        EXPECT_LE(c.mostHeld, 2 * threads) << threads << " threads";
        EXPECT_EQ(compress(deflater, input).bytes, two) << "again, " << threads << " threads";
    }
    // One thread: the single stream, whatever the size.
    EXPECT_EQ(compress(input, 1, kSmallBlock), zlibStream(input, 9));
}

TEST(ParallelDeflate, CompressesWithinOnePercentOfASingleStream)
{
    const QByteArray table = tableBytes(6 << 20, 11);
    const QByteArray records = recordBytes(6 << 20, 12);
    const QByteArray text = [] {
        QByteArray t;
        while (t.size() < (4 << 20))
            t += "{\\rtf1\\ansi\\deff0 {\\fonttbl{\\f0 Times New Roman;}} \\par Dispozitia nr. " +
                 QByteArray::number(t.size() % 9973) + " \\par}\n";
        return t;
    }();
    for (const QByteArray *input : {&table, &records, &text}) {
        const QByteArray parallel = compress(*input, 2, kDeflateBlockSize);
        const qsizetype single = zlibStream(*input, 9).size();
        EXPECT_LE(double(parallel.size()), 1.01 * double(single))
            << parallel.size() << " bytes against " << single << " in one stream";
        EXPECT_EQ(inflateWithZlib(parallel, input->size()), *input);
    }
}

TEST(ParallelDeflate, AFailureOnEitherSideReachesTheCallerAndTheNextRunIsSound)
{
    const QByteArray input = recordBytes(9 * kSmallBlock + 3, 5);
    const QString memory = QStringLiteral("Compresia nu poate fi pornita (memorie insuficienta).");
    const struct
    {
        const char *what;
        std::function<void(qint64)> hook;  // on the worker
        int failRead = -1, failWrite = -1; // on the caller, the n-th call
        QString message;
    } cases[] = {
        {"worker, Error",
         [](qint64 i) {
             if (i == 4)
                 throw Error(QStringLiteral("bloc 4"));
         },
         -1, -1, QStringLiteral("bloc 4")},
        {"worker, no memory",
         [](qint64 i) {
             if (i == 0)
                 throw std::bad_alloc();
         },
         -1, -1, memory},
        {"worker, last block",
         [](qint64 i) {
             if (i == 9)
                 throw Error(QStringLiteral("ultimul"));
         },
         -1, -1, QStringLiteral("ultimul")},
        {"read", {}, 6, -1, QStringLiteral("citire")},
        {"write", {}, -1, 3, QStringLiteral("scriere")},
    };
    for (const int threads : {2, 3}) {
        ParallelDeflate deflater(threads, kSmallBlock);
        for (const auto &c : cases) {
            SCOPED_TRACE(testing::Message() << c.what << ", " << threads << " threads");
            int reads = 0, writes = 0;
            qint64 offset = 0;
            try {
                const HookGuard guard(c.hook);
                deflater.run(
                    input.size(),
                    [&](char *dst, qint64 n) {
                        if (reads++ == c.failRead)
                            throw Error(QStringLiteral("citire"));
                        std::memcpy(dst, input.constData() + offset, size_t(n));
                        offset += n;
                    },
                    [&](const char *, qint64) {
                        if (writes++ == c.failWrite)
                            throw Error(QStringLiteral("scriere"));
                    });
                ADD_FAILURE() << "no failure";
            } catch (const Error &e) {
                EXPECT_EQ(e.message(), c.message);
            }
            // The same compressor goes on with no block of the failed run left.
            EXPECT_EQ(compress(deflater, input).bytes, compress(input, 2, kSmallBlock));
        }
    }
}

} // namespace
