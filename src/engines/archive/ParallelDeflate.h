#pragma once

// One zlib stream (level 9) compressed on every core.
//
// A large input is cut into blocks. Each block is compressed as raw deflate
// on a worker thread, its dictionary primed with the last 32 KiB of the
// block before it, so matches reach across the cut as in a single stream.
// Every block but the last ends with a sync flush (an empty stored block,
// which leaves the output on a byte boundary and the stream open), the last
// with the final block. Written one after another behind the zlib header and
// followed by the Adler-32 of the whole input (each block's checksum joined
// with adler32_combine), the blocks are one ordinary zlib stream that any
// inflate restores; this is how pigz writes its streams. The output depends
// on the block size only, not on the number of threads.
//
// An input shorter than two blocks, or any input when only one thread is
// available, is compressed as one plain stream: the very bytes of zlib's
// compress2 at level 9.
//
// Reading and writing happen on the calling thread, in order; at most two
// blocks per thread are held at once, so memory stays bounded whatever the
// size of the input.

#include <QtGlobal>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kovara::archive {

struct DeflateBlock; // a block, its dictionary, its output (in the .cpp)

// The size of the blocks compressed in parallel. Each cut costs a few bytes
// and the matches that would have crossed it: on a 100 MB table the stream
// is 0.23% larger than one stream with 128 KiB blocks, 0.13% with 512 KiB,
// 0.10% with 1 MiB (bench_archive, BM_BlockSize). 512 KiB keeps that small
// while a 5 MB table still makes ten blocks to share out, and holds about
// 2 x 1.1 MB per thread.
constexpr qint64 kDeflateBlockSize = 512 * 1024;

// The number of compressing threads: one per core, 1 to 8.
int deflateThreads();

class ParallelDeflate
{
public:
    // Fills exactly `size` bytes at `dst`, or throws.
    using Source = std::function<void(char *dst, qint64 size)>;
    // Takes `size` bytes of compressed output, or throws.
    using Sink = std::function<void(const char *data, qint64 size)>;

    explicit ParallelDeflate(int threads = deflateThreads(), qint64 blockSize = kDeflateBlockSize);
    ~ParallelDeflate();
    ParallelDeflate(const ParallelDeflate &) = delete;
    ParallelDeflate &operator=(const ParallelDeflate &) = delete;

    // Compresses exactly `size` bytes taken from `read` as one zlib stream
    // written through `write`. Throws kovara::Error when compression cannot
    // be done (memory), on the worker or here; whatever `read` or `write`
    // throws passes through unchanged. After a throw no thread touches the
    // callbacks or the blocks any more.
    void run(qint64 size, const Source &read, const Sink &write);

    // Tests only: called on the worker with each block's index (from 0)
    // before it is compressed; what it throws is the block's failure.
    static void setBlockHook(std::function<void(qint64 index)> hook);

private:
    void runSingle(qint64 size, const Source &read, const Sink &write);
    void runBlocks(qint64 size, const Source &read, const Sink &write);
    void startWorkers();
    void submit(DeflateBlock *block);
    void waitFor(DeflateBlock &block);
    void cancelAll();
    void work();

    int m_threads;
    qint64 m_blockSize;
    std::vector<char> m_in, m_out; // the single stream's buffers
    std::vector<std::thread> m_workers;
    std::mutex m_mutex;
    std::condition_variable m_wake;     // a block is queued, or the workers must stop
    std::condition_variable m_done;     // a block is finished
    std::deque<DeflateBlock *> m_queue; // blocks not yet taken by a worker
    int m_running = 0;                  // blocks being compressed
    bool m_stop = false;
};

} // namespace kovara::archive
