#include "TestDoubles.h"

#include "exchange/CsvLineMarks.h"
#include "exchange/CsvParser.h"
#include "io/TextSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

using Records = std::vector<std::vector<std::string>>;

std::string A(std::size_t count)
{
    return std::string(count, 'a');
}

struct ParseCase
{
    const char* name;
    std::string bytes;
    Records expected;
};

// Every record the parser hands out, read the way the importer reads them.
Records ParseAll(const std::string& bytes, char quote, int mode, char separator = ',',
                 bool wholeLines = true, std::size_t most = 50)
{
    TempFiles files;
    CTextSource source;
    EXPECT_TRUE(source.Open(files.Write("in.csv", bytes)));
    CCsvParser parser;
    parser.SetQuote(quote, mode);
    parser.SetSeparator(separator);
    parser.SetLineEnd('\n');
    parser.SetWholeLineSplit(wholeLines);
    EXPECT_TRUE(parser.Open(&source));
    Records records;
    // The bound keeps a parser that never clears HasMore from hanging the test.
    CsvRecord record;
    record.AddField("left over from before");
    while (parser.HasMore() && records.size() < most) {
        parser.ReadRecord(record);
        std::vector<std::string> fields;
        for (std::size_t f = 0; f < record.size(); ++f)
            fields.emplace_back(record[f]);
        records.push_back(fields);
    }
    return records;
}

// Each case read with lines split whole where they can be, their marks
// found thirty-two bytes at a time (where the processor can) and sixteen,
// and field by field throughout.
void RunCases(const std::vector<ParseCase>& cases, char quote, int mode)
{
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseAll(c.bytes, quote, mode), c.expected);
        CsvLineMarks::UseWideVectors(false);
        EXPECT_EQ(ParseAll(c.bytes, quote, mode), c.expected) << "sixteen bytes at a time";
        CsvLineMarks::UseWideVectors(true);
        EXPECT_EQ(ParseAll(c.bytes, quote, mode, ',', false), c.expected);
    }
}

TEST(CsvParserTest, PlainModeSplitsAtEverySeparator)
{
    RunCases(
        {
            {"simple", "a,b,c\n", {{"a", "b", "c"}}},
            {"quotes are text", "a,\"b,c\",d\n", {{"a", "\"b", "c\"", "d"}}},
            {"empty fields", "a,,b,\n", {{"a", "", "b", ""}}},
            {"blank line", "\n", {{""}}},
            {"last line without line feed", "x\ny", {{"x"}, {"y"}}},
        },
        '"', CCsvParser::CSV_PLAIN);
}

TEST(CsvParserTest, NoQuoteCharacterLeavesThePlainMode)
{
    // A zero quote changes neither the quote nor the mode.
    EXPECT_EQ(ParseAll("\"a,b\"\n", 0, CCsvParser::CSV_UNQUOTE), (Records{{"\"a", "b\""}}));
}

TEST(CsvParserTest, QuotedOnlyModeKeepsTextBetweenQuotePairs)
{
    RunCases(
        {
            {"outside text dropped", "x\"a b\"y,\"c\"\n", {{"a b", "c"}}},
            {"escaped quote stays with its backslash", "\"a\\\"b\" \"c\"\n", {{"a\\\"b", "c"}}},
            {"escaped quote opens nothing", "\\\"x\"y\"\n", {{"y"}}},
            {"no quote gives the whole line", "plain,text\n", {{"plain,text\n"}}},
            {"single quote gives the whole line", "ab\"cd\n", {{"ab\"cd\n"}}},
            {"unclosed quote runs to the line end", "\"a\",\"bc\n", {{"a", "bc\n"}}},
            {"empty pair", "\"\"\n", {{""}}},
        },
        '"', CCsvParser::CSV_QUOTED_ONLY);
}

TEST(CsvParserTest, UnquoteModeReadsRfcFields)
{
    RunCases(
        {
            {"quoted field", "a,\"b c\",d\n", {{"a", "b c", "d"}}},
            {"quoted comma", "\"Smith, John\",x\n", {{"Smith, John", "x"}}},
            {"two quotes only", "\"\",x\n", {{"", "x"}}},
            {"doubled quotes", "\"say \"\"hi\"\"\"\n", {{"say \"hi\""}}},
            {"only a doubled quote", "\"\"\"\"\n", {{"\""}}},
            {"quoted line break", "\"two\nlines\",z\nnext\n", {{"two\nlines", "z"}, {"next"}}},
            {"quoted CR LF", "\"x\r\ny\"\n", {{"x\ny"}}},
            {"quoted TAB", "\"x\ty\",z\n", {{"x\ty", "z"}}},
            {"stray quote kept", "\"ab\"c\",d\n", {{"ab\"c", "d"}}},
            {"quote inside a plain field", "a\"b,c\n", {{"a\"b", "c"}}},
            {"empty fields", "a,,b,\n", {{"a", "", "b", ""}}},
            {"blank line", "a\n\nb\n", {{"a"}, {""}, {"b"}}},
            {"last line without line feed", "a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
            {"quoted last field without line feed", "x,\"y\"", {{"x", "y"}}},
            {"one line", "a,b\n", {{"a", "b"}}},
            {"empty stream", "", {{}}},
            {"CR LF", "a,b\r\nc\r\n", {{"a", "b"}, {"c"}}},
            {"zero byte", "a\0b,c\n"s, {{"a\0b"s, "c"}}},
            {"zero byte in quotes", "\"p\0q\",r"s, {{"p\0q"s, "r"}}},
            {"unclosed quote is plain text", "\"open,a\nb", {{"\"open", "a"}, {"b"}}},
            // Lines are looked at sixty-four bytes at a time.
            {"quoted field across bytes 64", "\"" + A(70) + ",\",b\n", {{A(70) + ",", "b"}}},
            {"quoted comma at byte 64", "x,\"" + A(61) + ",y\"\n", {{"x", A(61) + ",y"}}},
            {"doubled quote at bytes 63 and 64",
             "\"" + A(62) + "\"\"z\",w\n",
             {{A(62) + "\"z", "w"}}},
            {"stray quote at byte 64", "\"" + A(63) + "\"q\",w\n", {{A(63) + "\"q", "w"}}},
            {"quote ending a plain field at byte 63", A(63) + "\",v\n", {{A(63) + "\"", "v"}}},
            {"separator at byte 127", A(127) + ",\n", {{A(127), ""}}},
            {"quoted field closing on a line after byte 64",
             "\"" + A(80) + "\n\",u\n",
             {{A(80) + "\n", "u"}}},
        },
        '"', CCsvParser::CSV_UNQUOTE);
}

// The source reads a big file a megabyte at a time: lines split whole where
// they stand in its buffer give the records read field by field, those cut
// by a read and those going on over lines included.
TEST(CsvParserTest, WholeLinesAcrossTheReadsOfABigFile)
{
    std::string bytes;
    std::size_t records = 0;
    for (int i = 0; bytes.size() < (std::size_t{2} << 20) + 4096; ++i, ++records) {
        const std::string n = std::to_string(i);
        const std::string lines[] = {
            "\"a" + n + "\",\"b," + n + "\",c\r\n",
            "\"x\"\"" + n + "\"\"\",y\n",
            "\"two\nlines " + n + "\",z\n",
            "plain" + n + ",\"\",\n",
            "\"tab\t" + n + "\",w\n",
            "\"" + A(150) + n + "\"," + A(60) + "\n",
        };
        bytes += lines[i % 6];
    }
    const Records whole = ParseAll(bytes, '"', CCsvParser::CSV_UNQUOTE, ',', true, records + 1);
    EXPECT_EQ(whole.size(), records);
    EXPECT_TRUE(whole == ParseAll(bytes, '"', CCsvParser::CSV_UNQUOTE, ',', false, records + 1));
}

TEST(CsvParserTest, QuotedSeparatorBelongsToTheField)
{
    EXPECT_EQ(ParseAll("\"a;b\";c\n", '"', CCsvParser::CSV_UNQUOTE, ';'), (Records{{"a;b", "c"}}));
}

TEST(CsvParserTest, OpenRefusesNoStream)
{
    CCsvParser parser;
    parser.SetQuote('"', CCsvParser::CSV_UNQUOTE);
    EXPECT_FALSE(parser.Open(nullptr));
    EXPECT_FALSE(parser.HasMore());
}

} // namespace
