// One zlib stream compressed in blocks on worker threads.
#include "engines/archive/ParallelDeflate.h"
#include "base/Error.h"
#include "engines/archive/ArchiveFormat.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>
#include <system_error>
#include <zlib.h>

namespace kovara::archive {
namespace {

// Deflate looks back at most this far: the dictionary a block starts from.
constexpr qint64 kWindow = 32 * 1024;
// Blocks held at once per thread: about one compressed while one waits.
constexpr int kBlocksPerThread = 2;
// Growth of an output buffer that deflateBound did not make large enough.
constexpr size_t kOutputStep = 64 * 1024;

std::function<void(qint64)> g_blockHook; // set by tests while nothing runs

Error noMemory()
{
    return Error(QStringLiteral("Compresia nu poate fi pornita (memorie insuficienta)."));
}

struct DeflateEnd
{
    z_stream *zs;
    bool *ready;
    ~DeflateEnd()
    {
        if (*ready)
            deflateEnd(zs);
    }
};

} // namespace

int deflateThreads()
{
    return std::clamp(int(std::thread::hardware_concurrency()), 1, 8);
}

struct DeflateBlock
{
    qint64 index = 0;
    std::vector<char> in;  // the dictionary, then the block's own bytes
    qint64 dictionary = 0; // bytes of dictionary at the start of `in`
    qint64 length = 0;     // the block's own bytes
    bool last = false;     // ends the stream
    std::vector<char> out; // raw deflate
    qint64 outLength = 0;
    uLong adler = 1;   // Adler-32 of the block's own bytes
    bool done = false; // guarded by the mutex
    std::exception_ptr error;
};

namespace {

// Compresses one block as raw deflate with `zs` (set up on first use).
void compressBlock(z_stream &zs, bool &ready, DeflateBlock &block)
{
    if (g_blockHook)
        g_blockHook(block.index);
    if (!ready) {
        if (deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
            throw noMemory();
        ready = true;
    } else {
        deflateReset(&zs);
    }
    auto *const data = reinterpret_cast<Bytef *>(block.in.data());
    if (block.dictionary > 0)
        deflateSetDictionary(&zs, data, uInt(block.dictionary));
    block.adler = adler32(1, data + block.dictionary, uInt(block.length));

    // The bound holds for a stream that ends; the sync flush adds a few bytes.
    const size_t bound = deflateBound(&zs, uLong(block.length)) + 16;
    if (block.out.size() < bound)
        block.out.resize(bound);
    zs.next_in = data + block.dictionary;
    zs.avail_in = uInt(block.length);
    zs.next_out = reinterpret_cast<Bytef *>(block.out.data());
    zs.avail_out = uInt(block.out.size());
    const int flush = block.last ? Z_FINISH : Z_SYNC_FLUSH;
    for (;;) {
        const int rc = deflate(&zs, flush);
        if (rc == Z_STREAM_ERROR)
            throw noMemory(); // not with a sound stream
        if (block.last ? rc == Z_STREAM_END : zs.avail_out > 0)
            break;
        const size_t used = block.out.size() - zs.avail_out;
        block.out.resize(block.out.size() + kOutputStep);
        zs.next_out = reinterpret_cast<Bytef *>(block.out.data()) + used;
        zs.avail_out = uInt(block.out.size() - used);
    }
    block.outLength = qint64(block.out.size() - zs.avail_out);
}

} // namespace

ParallelDeflate::ParallelDeflate(int threads, qint64 blockSize)
    : m_threads(std::clamp(threads, 1, 64))
    , m_blockSize(std::max(blockSize, kWindow))
{
}

ParallelDeflate::~ParallelDeflate()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    for (std::thread &t : m_workers)
        t.join();
}

void ParallelDeflate::setBlockHook(std::function<void(qint64 index)> hook)
{
    g_blockHook = std::move(hook);
}

void ParallelDeflate::run(qint64 size, const Source &read, const Sink &write)
{
    if (m_threads > 1 && size >= 2 * m_blockSize) {
        startWorkers();
        if (!m_workers.empty()) {
            runBlocks(size, read, write);
            return;
        }
    }
    runSingle(size, read, write);
}

void ParallelDeflate::runSingle(qint64 size, const Source &read, const Sink &write)
{
    m_in.resize(size_t(kBufferSize));
    m_out.resize(size_t(kBufferSize));
    z_stream zs{};
    if (deflateInit(&zs, Z_BEST_COMPRESSION) != Z_OK)
        throw noMemory();
    bool ready = true;
    const DeflateEnd end{&zs, &ready};

    qint64 left = size;
    int flush = Z_NO_FLUSH;
    do {
        const qint64 want = std::min<qint64>(left, kBufferSize);
        if (want > 0)
            read(m_in.data(), want);
        left -= want;
        flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
        zs.next_in = reinterpret_cast<Bytef *>(m_in.data());
        zs.avail_in = uInt(want);
        do {
            zs.next_out = reinterpret_cast<Bytef *>(m_out.data());
            zs.avail_out = uInt(m_out.size());
            deflate(&zs, flush); // cannot fail with valid buffers
            const qint64 produced = qint64(m_out.size()) - zs.avail_out;
            if (produced > 0)
                write(m_out.data(), produced);
        } while (zs.avail_out == 0);
    } while (flush != Z_FINISH);
}

void ParallelDeflate::runBlocks(qint64 size, const Source &read, const Sink &write)
{
    std::vector<std::unique_ptr<DeflateBlock>> spare;
    std::deque<std::unique_ptr<DeflateBlock>> inFlight; // in the order of the stream
    // Declared after the blocks, so it runs before they are freed: on a
    // throw no worker is left holding one.
    struct Cancel
    {
        ParallelDeflate *self;
        ~Cancel() { self->cancelAll(); }
    } cancel{this};

    uLong adler = 1;
    auto finishOldest = [&] {
        DeflateBlock &b = *inFlight.front();
        waitFor(b);
        write(b.out.data(), b.outLength);
        adler = adler32_combine(adler, b.adler, z_off_t(b.length));
        spare.push_back(std::move(inFlight.front()));
        inFlight.pop_front();
    };

    static const char header[2] = {0x78, char(0xDA)}; // deflate, 32 KiB window, level 9
    write(header, 2);
    std::vector<char> tail(static_cast<size_t>(kWindow));
    qint64 tailLength = 0;
    const size_t limit = size_t(kBlocksPerThread) * m_workers.size();
    qint64 index = 0;
    for (qint64 offset = 0; offset < size; offset += m_blockSize, ++index) {
        std::unique_ptr<DeflateBlock> b;
        if (spare.empty()) {
            try {
                b = std::make_unique<DeflateBlock>();
                b->in.resize(size_t(kWindow + m_blockSize));
            } catch (const std::bad_alloc &) {
                throw noMemory();
            }
        } else {
            b = std::move(spare.back());
            spare.pop_back();
        }
        b->index = index;
        b->length = std::min(m_blockSize, size - offset);
        b->last = offset + b->length == size;
        b->dictionary = tailLength;
        b->done = false;
        b->error = nullptr;
        std::memcpy(b->in.data(), tail.data(), size_t(tailLength));
        read(b->in.data() + b->dictionary, b->length);
        tailLength = std::min(kWindow, b->length);
        std::memcpy(tail.data(), b->in.data() + b->dictionary + b->length - tailLength, size_t(tailLength));

        submit(b.get());
        inFlight.push_back(std::move(b));
        while (inFlight.size() >= limit)
            finishOldest();
    }
    while (!inFlight.empty())
        finishOldest();

    const char trailer[4] = {char(adler >> 24), char(adler >> 16), char(adler >> 8), char(adler)};
    write(trailer, 4);
}

void ParallelDeflate::startWorkers()
{
    if (!m_workers.empty())
        return;
    for (int i = 0; i < m_threads; ++i) {
        try {
            m_workers.emplace_back([this] { work(); });
        } catch (const std::system_error &) {
            break; // the threads that did start do the work
        }
    }
}

void ParallelDeflate::submit(DeflateBlock *block)
{
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(block);
    }
    m_wake.notify_one();
}

void ParallelDeflate::waitFor(DeflateBlock &block)
{
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [&] { return block.done; });
    if (block.error)
        std::rethrow_exception(block.error);
}

void ParallelDeflate::cancelAll()
{
    std::unique_lock lock(m_mutex);
    m_queue.clear();
    m_done.wait(lock, [this] { return m_running == 0; });
}

void ParallelDeflate::work()
{
    z_stream zs{};
    bool ready = false;
    const DeflateEnd end{&zs, &ready};
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
        if (m_stop)
            return;
        DeflateBlock *const block = m_queue.front();
        m_queue.pop_front();
        ++m_running;
        lock.unlock();
        try {
            compressBlock(zs, ready, *block);
        } catch (const Error &) {
            block->error = std::current_exception();
        } catch (...) {
            // Nothing but memory can run short in a block.
            block->error = std::make_exception_ptr(noMemory());
        }
        lock.lock();
        --m_running;
        block->done = true;
        m_done.notify_all();
    }
}

} // namespace kovara::archive
