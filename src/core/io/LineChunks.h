#pragma once

#include <QtGlobal>

#include <atomic>
#include <cstdint>
#include <string_view>
#include <vector>

class CTextSource;

// Below this size a file is read by one thread: splitting it would cost
// more than it saves.
inline constexpr qint64 kSmallestSplitFile = qint64{4} << 20;

// Reads a stretch of a file's text in chunks of whole lines, for a reader
// that parses the bytes as they are on disk. Each chunk is a view into one
// large buffer, valid until the next call.
class CLineChunks
{
public:
    // [begin, end) must start on a line start.
    CLineChunks(const CTextSource& source, qint64 begin, qint64 end);
    ~CLineChunks();
    CLineChunks(const CLineChunks&) = delete;
    CLineChunks& operator=(const CLineChunks&) = delete;

    // The next lines, each ended by LF, except the stretch's last line when
    // the stretch ends without one. False at the end or on a read error.
    bool Next(std::string_view& lines);
    // The bytes of the stretch handed out so far; read by other threads.
    qint64 Done() const { return m_done.load(std::memory_order_relaxed); }

    // Where the text from textStart to size splits into count stretches of
    // about the same size, each starting on a line start: the first
    // stretch's start, every other's, then size. Fewer stretches when lines
    // are long. A read error gives one stretch, whose reading then fails.
    // How many lines end in lines, counted as the source counts them: LF, CR LF
    // and a lone CR each end one. lines must not end between a CR and a LF.
    static std::uint64_t CountLineEnds(std::string_view lines);

    static std::vector<qint64> SplitAtLineEnds(const CTextSource& source, qint64 textStart,
                                               qint64 size, int count);

private:
    void Grow();

    const CTextSource& m_source;
    qint64 m_next;
    qint64 m_end;
    char* m_buffer = nullptr;
    std::size_t m_capacity = 0;
    // The bytes of the buffer read but not yet handed out.
    std::size_t m_start = 0;
    std::size_t m_filled = 0;
    std::atomic<qint64> m_done{0};
};
