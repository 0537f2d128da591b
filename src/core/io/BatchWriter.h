#pragma once

#include <cstddef>
#include <functional>
#include <string>

class CTextSink;
class ProgressReporter;

// Writes the text of many rows to a sink, formatted on every core. The rows
// are cut into short stretches; each thread takes the next stretch no one
// has taken and formats it into buffers of at most about a megabyte, while
// the calling thread writes the finished buffers stretch after stretch, so
// the file is the one a single loop would write. A thread holds at most four
// finished buffers, which bounds the memory whatever the list's size.
class CBatchWriter
{
public:
    // Appends the text of one row to out.
    using Format = std::function<void(int row, std::string& out)>;

    // Threads 0 means one per core for long lists. Smaller buffers and
    // stretches let tests cut a short list into many.
    explicit CBatchWriter(int threads = 0, std::size_t bufferBytes = std::size_t{1} << 20,
                          int stretchRows = 1024);

    // Writes the text of rows 0 to count - 1, progress counting the rows
    // written. Stops early when the sink fails (it keeps the reason). An
    // exception thrown while formatting (out of memory) reaches the caller
    // once every thread has stopped.
    void WriteRows(CTextSink& sink, int count, const Format& format,
                   ProgressReporter& progress) const;

private:
    int ThreadsFor(int count) const;
    void WriteInOneThread(CTextSink& sink, int count, const Format& format,
                          ProgressReporter& progress) const;

    int m_threads;
    std::size_t m_bufferBytes;
    int m_stretchRows;
};
