#include "io/TextSource.h"
#include "io/TextSink.h"

#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

constexpr std::size_t kChunk = 1 << 20;

std::vector<std::string> Lines(const QString& path, TextEncoding* encoding = nullptr,
                               bool foreign = false)
{
    CTextSource source;
    EXPECT_TRUE(source.Open(path));
    if (foreign) {
        EXPECT_TRUE(source.ReadAsForeignText());
    }
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
        bool foreign = false;
    } cases[] = {
        {"CR LF split", "x\r\ny", {"x", "y"}, TextEncoding::Utf8},
        {"lone CR before the boundary", "x\rZy", {"x\rZy"}, TextEncoding::Utf8},
        {"foreign lone CR before the boundary", "x\rZy", {"x", "Zy"}, TextEncoding::Utf8, true},
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
            Lines(files.Write("big.txt", head + c.atBoundary + "\nlast"), &encoding, c.foreign);
        EXPECT_EQ(encoding, c.encoding);
        std::vector<std::string> expected = c.tail;
        expected.front() = head + expected.front();
        expected.push_back("last");
        EXPECT_EQ(lines, expected);

        // Checked as the lines are read, the same lines come, or the piece
        // that is not UTF-8 is told.
        CTextSource source;
        ASSERT_TRUE(source.Open(files.Path("big.txt"), CTextSource::Utf8Check::ByLines));
        if (c.foreign) {
            ASSERT_TRUE(source.ReadAsForeignText());
        }
        std::vector<std::string> checked;
        std::string_view line;
        while (source.ReadLine(line))
            checked.emplace_back(line);
        const bool windows1252 = c.encoding == TextEncoding::Windows1252;
        EXPECT_EQ(source.NotUtf8(), windows1252);
        if (!windows1252) {
            EXPECT_EQ(checked, expected);
        }
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
        {"\xFF\xFEx\0"s, {"ÿþx\0"s}},
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

TEST(TextSourceTest, ForeignTextEndsLinesAtEveryBreak)
{
    const struct
    {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\r\rb", {"a", "", "b"}},
        {"end\r", {"end"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        TempFiles files;
        EXPECT_EQ(Lines(files.Write("t.txt", c.bytes), nullptr, true), c.lines);
    }
}

// Long lines take the 16-byte way: every kind of CR at every place in a
// block, in both modes.
TEST(TextSourceTest, LineEndsInLongLinesAtEveryPlaceOfABlock)
{
    std::string bytes;
    std::vector<std::string> text;
    std::vector<std::string> foreign;
    for (std::size_t pad = 0; pad < 40; ++pad) {
        const std::string a(pad, 'a');
        const std::string b(pad % 7, 'b');
        bytes += a + "\r\n" + b + "\rc" + a + "\n" + a + "\r\r\n";
        text.insert(text.end(), {a, b + "\rc" + a, a + "\r"});
        foreign.insert(foreign.end(), {a, b, "c" + a, a, ""});
    }
    TempFiles files;
    const QString path = files.Write("t.txt", bytes);
    EXPECT_EQ(Lines(path), text);
    EXPECT_EQ(Lines(path, nullptr, true), foreign);
}

// A second reader of a file's later part reads the very file the first one
// reads, from the line start given, as the first reads it; a file saved
// over the path meanwhile is not it.
TEST(TextSourceTest, SecondReaderReadsTheSameFileFromItsStart)
{
    TempFiles files;
    const QString path = files.Write("t.csv", "\xEF\xBB\xBFun\r\ndeux\rtrois\n");
    CTextSource first;
    ASSERT_TRUE(first.Open(path));
    ASSERT_TRUE(first.ReadAsForeignText());
    CTextSource second;
    ASSERT_TRUE(second.OpenFrom(first, 7));
    std::string_view line;
    ASSERT_TRUE(second.ReadLine(line));
    EXPECT_EQ(line, "deux");
    ASSERT_TRUE(second.ReadLine(line));
    EXPECT_EQ(line, "trois");

    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(files.Write("other.csv", "autre\n"), path));
    CTextSource late;
    EXPECT_FALSE(late.OpenFrom(first, 7));
}

TEST(TextSourceTest, ForeignTextWithAUtf16MarkIsUtf16)
{
    // The emoji's first unit ends the first read, its second starts the next.
    std::string units(kChunk - 2, 'a');
    for (std::size_t i = 1; i < units.size(); i += 2)
        units[i] = '\0';
    const struct
    {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"little-endian", "\xFF\xFEN\0\xE9\0\r\0\n\0x\0"s, {"Né", "x"}},
        {"big-endian, lone CR", "\xFE\xFF\x20\xAC\0\r\xD8\x3D\xDE\x00"s, {"€", "😀"}},
        {"after a UTF-8 mark", "\xEF\xBB\xBF\xFF\xFE\xE9\0"s, {"é"}},
        {"a second mark is text", "\xFF\xFE\xFF\xFEx\0"s, {"\uFEFFx"}},
        {"odd last byte", "\xFF\xFEx\0y"s, {"x\uFFFD"}},
        {"unpaired surrogate", "\xFF\xFE\x3D\xD8x\0"s, {"?x"}},
        {"pair across reads",
         "\xFF\xFE" + units + "\x3D\xD8\x00\xDE"s,
         {std::string(kChunk / 2 - 1, 'a') + "😀"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        TextEncoding encoding;
        EXPECT_EQ(Lines(files.Write("u.txt", c.bytes), &encoding, true), c.lines);
        EXPECT_EQ(encoding, TextEncoding::Utf8);
    }
}

// Progress counts bytes on disk, two for each letter of UTF-16.
TEST(TextSourceTest, Utf16PositionCountsBytesOnDisk)
{
    TempFiles files;
    CTextSource source;
    ASSERT_TRUE(source.Open(files.Write("u.txt", "\xFF\xFE"
                                                 "a\0b\0\n\0c\0d\0\n\0"s)));
    ASSERT_TRUE(source.ReadAsForeignText());
    std::string_view line;
    ASSERT_TRUE(source.ReadLine(line));
    EXPECT_EQ(source.Position(), 2 + 6);
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
