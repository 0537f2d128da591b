#include "io/TextSource.h"
#include "io/TextSink.h"

#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace {

constexpr std::size_t kChunk = 1 << 20;

std::vector<std::string> Lines(const QString& path, TextEncoding* encoding = nullptr)
{
    CTextSource source;
    EXPECT_TRUE(source.Open(path));
    if (encoding)
        *encoding = source.Encoding();
    std::vector<std::string> lines;
    std::string_view line;
    while (source.ReadLine(line))
        lines.emplace_back(line);
    EXPECT_TRUE(source.AtEnd());
    EXPECT_EQ(source.Position(), source.Size());
    return lines;
}

// Files larger than one read, with what matters placed where one read ends:
// the boundary falls right after the second byte of atBoundary.
TEST(TextSourceTest, ReadsAcrossChunkBoundaries)
{
    const struct
    {
        const char* name;
        std::string atBoundary;
        std::vector<std::string> tail;
        TextEncoding encoding;
    } cases[] = {
        {"CR LF split", "x\r\ny", {"x", "y"}, TextEncoding::Utf8},
        {"lone CR before the boundary", "x\rZy", {"x\rZy"}, TextEncoding::Utf8},
        {"two-byte letter split", "xéy", {"xéy"}, TextEncoding::Utf8},
        {"four-byte letter split", "x😀y", {"x😀y"}, TextEncoding::Utf8},
        {"Windows-1252 after the first read", "x\xE9y", {"xéy"}, TextEncoding::Windows1252},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        const std::string head(kChunk - 2, 'a');
        TextEncoding encoding;
        const std::vector<std::string> lines =
            Lines(files.Write("big.txt", head + c.atBoundary + "\nlast"), &encoding);
        EXPECT_EQ(encoding, c.encoding);
        std::vector<std::string> expected = c.tail;
        expected.front() = head + expected.front();
        expected.push_back("last");
        EXPECT_EQ(lines, expected);
    }
}

TEST(TextSourceTest, LineEndsAsTextModeReadsThem)
{
    const struct
    {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\r\nb", {"a\r", "b"}},
        {"a\rb\n", {"a\rb"}},
        {"end\r", {"end\r"}},
        {"\xEF\xBB\xBF"
         "bom\n",
         {"bom"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        TempFiles files;
        EXPECT_EQ(Lines(files.Write("t.txt", c.bytes)), c.lines);
    }
}

TEST(TextSinkTest, WritesWindows1252OnlyWhenAsked)
{
    TempFiles files;
    QString error;
    for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Windows1252}) {
        CTextSink sink(encoding);
        const QString path = files.Path(encoding == TextEncoding::Utf8 ? "u.txt" : "w.txt");
        ASSERT_TRUE(sink.Open(path, error));
        // More than one buffer's worth, so the conversion runs more than once.
        for (std::size_t i = 0; i < kChunk / 4; ++i)
            sink.Write(std::string_view("é€"));
        ASSERT_TRUE(sink.Commit(error));
        const std::string written = TempFiles::Read(path);
        const std::string unit = encoding == TextEncoding::Utf8 ? "é€" : "\xE9\x80";
        ASSERT_EQ(written.size(), unit.size() * (kChunk / 4));
        EXPECT_EQ(written.substr(written.size() - unit.size()), unit);
    }
    EXPECT_TRUE(FitsWindows1252("abc é € œ Ÿ \xC2\x81"));
    EXPECT_FALSE(FitsWindows1252("Ω"));
    EXPECT_FALSE(FitsWindows1252("a 日本"));
}

} // namespace
