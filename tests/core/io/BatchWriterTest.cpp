#include "io/BatchWriter.h"

#include "TestDoubles.h"
#include "io/TextSink.h"
#include "platform/Progress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <string>

namespace {

// Rows of very different lengths, so that buffers end anywhere.
void FormatRow(int row, std::string& out)
{
    out += std::to_string(row);
    out.append(static_cast<std::size_t>(row % 7 == 0 ? 300 : row % 5), 'x');
    out += "\r\n";
}

std::string Expected(int count)
{
    std::string text;
    for (int row = 0; row < count; ++row)
        FormatRow(row, text);
    return text;
}

} // namespace

// However the rows are cut and shared out, the file is the one a single
// loop writes, and the progress ends at the last row.
TEST(BatchWriterTest, WritesTheRowsInOrder)
{
    struct Case
    {
        int threads;
        std::size_t bufferBytes;
        int stretchRows;
        int count;
    };
    for (const Case& c : {Case{1, 1 << 20, 1024, 1000}, Case{2, 64, 7, 1000}, Case{3, 1, 1, 500},
                          Case{3, 500, 100, 1000}, Case{8, 10, 3, 1000}, Case{2, 64, 7, 1},
                          Case{2, 64, 7, 0}, Case{0, 1 << 20, 1024, 10000}}) {
        TempFiles files;
        const QString path = files.Path("out.txt");
        RecordingProgress recorded;
        {
            CTextSink sink;
            QString error;
            ASSERT_TRUE(sink.Open(path, error));
            ProgressReporter progress(recorded);
            CBatchWriter(c.threads, c.bufferBytes, c.stretchRows)
                .WriteRows(sink, c.count, FormatRow, progress);
            ASSERT_TRUE(sink.Commit(error));
        }
        EXPECT_EQ(TempFiles::Read(path), Expected(c.count)) << c.threads << " " << c.bufferBytes;
        if (c.count > 100) {
            EXPECT_GT(recorded.values.size(), 5u);
            EXPECT_EQ(*std::max_element(recorded.values.begin(), recorded.values.end()), 99);
        }
    }
}

// A full disk or a thread out of memory stops every thread: the call
// returns, the file is not replaced, and the exception reaches the caller.
TEST(BatchWriterTest, StopsOnAFailure)
{
    TempFiles files;
    const QString path = files.Write("out.txt", "previous");
    RecordingProgress recorded;
    QString error;
    {
        const FileSizeLimit limit(5000);
        CTextSink sink;
        ASSERT_TRUE(sink.Open(path, error));
        ProgressReporter progress(recorded);
        CBatchWriter(2, 100, 5).WriteRows(sink, 100000, FormatRow, progress);
        EXPECT_TRUE(sink.Failed());
        EXPECT_FALSE(sink.Commit(error));
    }
    EXPECT_EQ(TempFiles::Read(path), "previous");

    CTextSink sink;
    ASSERT_TRUE(sink.Open(files.Path("other.txt"), error));
    ProgressReporter progress(recorded);
    const auto failing = [](int row, std::string& out) {
        if (row == 777)
            throw std::bad_alloc();
        FormatRow(row, out);
    };
    EXPECT_THROW(CBatchWriter(2, 100, 5).WriteRows(sink, 100000, failing, progress),
                 std::bad_alloc);
}
