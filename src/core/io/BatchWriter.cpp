#include "io/BatchWriter.h"

#include "io/TextSink.h"
#include "platform/Progress.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Below this many rows one thread formats all: starting threads would cost
// more than they save.
constexpr int kSmallestSplitCount = 4096;
constexpr std::size_t kFullBuffersPerThread = 4;

struct Buffer
{
    std::string text;
    // The rows written once this buffer is.
    int rowsDone = 0;
    bool endsStretch = false;
};

// The buffers one thread has formatted and the calling thread has yet to
// write, in order, and the emptied ones kept for their room.
struct Queue
{
    std::deque<Buffer> full;
    std::vector<std::string> empty;
};

class Queues
{
public:
    Queues(std::size_t threads, int stretches)
        : m_queues(threads), m_owners(static_cast<std::size_t>(stretches))
    {
    }

    // The next stretch no thread has taken, or -1 when all are.
    int Claim(std::size_t thread)
    {
        int stretch = -1;
        {
            const std::lock_guard lock(m_mutex);
            if (m_stopped || m_claimed == static_cast<int>(m_owners.size()))
                return -1;
            m_owners[static_cast<std::size_t>(m_claimed)] = thread;
            stretch = m_claimed++;
        }
        m_changed.notify_all();
        return stretch;
    }
    // The thread that formats the stretch, once one took it; false once
    // writing stopped.
    bool WaitForOwner(int stretch, std::size_t& thread)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_stopped || stretch < m_claimed; });
        thread = m_owners[static_cast<std::size_t>(stretch)];
        return !m_stopped;
    }

    // An emptied buffer to format into; false once writing stopped.
    bool TakeEmpty(std::size_t thread, std::string& text)
    {
        std::unique_lock lock(m_mutex);
        Queue& queue = m_queues[thread];
        m_changed.wait(lock,
                       [&] { return m_stopped || queue.full.size() < kFullBuffersPerThread; });
        if (m_stopped)
            return false;
        if (!queue.empty.empty()) {
            text = std::move(queue.empty.back());
            queue.empty.pop_back();
        }
        return true;
    }
    void PutFull(std::size_t thread, Buffer buffer)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_queues[thread].full.push_back(std::move(buffer));
        }
        m_changed.notify_all();
    }
    // The oldest full buffer of the thread, left in place while it is
    // written; nullptr once writing stopped.
    const Buffer* WaitForFull(std::size_t thread)
    {
        std::unique_lock lock(m_mutex);
        Queue& queue = m_queues[thread];
        m_changed.wait(lock, [&] { return m_stopped || !queue.full.empty(); });
        return m_stopped ? nullptr : &queue.full.front();
    }
    void MarkWritten(std::size_t thread)
    {
        {
            const std::lock_guard lock(m_mutex);
            Queue& queue = m_queues[thread];
            std::string text = std::move(queue.full.front().text);
            queue.full.pop_front();
            text.clear();
            queue.empty.push_back(std::move(text));
        }
        m_changed.notify_all();
    }
    void Stop(std::exception_ptr failure = nullptr)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopped = true;
            if (failure && !m_failure)
                m_failure = failure;
        }
        m_changed.notify_all();
    }
    std::exception_ptr Failure() const { return m_failure; }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Queue> m_queues;
    std::vector<std::size_t> m_owners;
    int m_claimed = 0;
    bool m_stopped = false;
    std::exception_ptr m_failure;
};

} // namespace

CBatchWriter::CBatchWriter(int threads, std::size_t bufferBytes, int stretchRows)
    : m_threads(threads), m_bufferBytes(std::max<std::size_t>(bufferBytes, 1)),
      m_stretchRows(std::max(stretchRows, 1))
{
}

int CBatchWriter::ThreadsFor(int count) const
{
    if (m_threads > 0)
        return std::min(m_threads, 8);
    if (count < kSmallestSplitCount)
        return 1;
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
}

void CBatchWriter::WriteInOneThread(CTextSink& sink, int count, const Format& format,
                                    ProgressReporter& progress) const
{
    std::string text;
    for (int row = 0; row < count && !sink.Failed(); ++row) {
        format(row, text);
        if (text.size() >= m_bufferBytes || row + 1 == count) {
            sink.Write(text);
            text.clear();
        }
        progress.Update(row + 1, count);
    }
}

void CBatchWriter::WriteRows(CTextSink& sink, int count, const Format& format,
                             ProgressReporter& progress) const
{
    const int threads = ThreadsFor(count);
    if (threads == 1 || count < 2) {
        WriteInOneThread(sink, count, format, progress);
        return;
    }
    const int stretches = (count + m_stretchRows - 1) / m_stretchRows;
    Queues queues(static_cast<std::size_t>(threads), stretches);
    const auto formatStretches = [&](std::size_t thread) {
        try {
            for (int s = queues.Claim(thread); s >= 0; s = queues.Claim(thread)) {
                const int end = std::min(count, (s + 1) * m_stretchRows);
                for (int row = s * m_stretchRows; row < end;) {
                    Buffer buffer;
                    if (!queues.TakeEmpty(thread, buffer.text))
                        return;
                    while (row < end && buffer.text.size() < m_bufferBytes)
                        format(row++, buffer.text);
                    buffer.rowsDone = row;
                    buffer.endsStretch = row == end;
                    queues.PutFull(thread, std::move(buffer));
                }
            }
        } catch (...) {
            queues.Stop(std::current_exception());
        }
    };
    {
        std::vector<std::jthread> formatters;
        for (int k = 0; k < threads; ++k)
            formatters.emplace_back(formatStretches, static_cast<std::size_t>(k));
        for (int s = 0; s < stretches && !sink.Failed(); ++s) {
            std::size_t thread = 0;
            if (!queues.WaitForOwner(s, thread))
                break;
            bool stretchDone = false;
            while (!stretchDone && !sink.Failed()) {
                const Buffer* buffer = queues.WaitForFull(thread);
                if (buffer == nullptr)
                    break;
                sink.Write(buffer->text);
                stretchDone = buffer->endsStretch;
                progress.Update(buffer->rowsDone, count);
                queues.MarkWritten(thread);
            }
            if (!stretchDone)
                break;
        }
        queues.Stop();
    }
    if (queues.Failure())
        std::rethrow_exception(queues.Failure());
}
