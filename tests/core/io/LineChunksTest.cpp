#include "io/LineChunks.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

// A LF, a CR LF pair and a lone CR each end one line, wherever they fall
// among the sixteen bytes looked at together, and a long run of ends is
// counted in full.
TEST(LineChunksTest, CountsLineEndsAsTheSourceReadsThem)
{
    const std::string fifteen(15, 'x');
    const struct
    {
        const char* name;
        std::string text;
        std::uint64_t lines;
    } cases[] = {
        {"empty", "", 0},
        {"LF, CR LF, lone CR, LF", "a\nb\r\nc\rd\n", 4},
        {"CR LF across bytes 16", fifteen + "\r\n", 1},
        {"lone CR as byte 16", fifteen + "\rx\n", 2},
        {"CR CR LF", fifteen + "\r\r\n", 2},
        {"NUL bytes", "a\0\nb\0\r\n"s, 2},
        {"ten thousand LF", std::string(10000, '\n'), 10000},
        {"ten thousand CR LF",
         [] {
             std::string text;
             for (int i = 0; i < 10000; ++i)
                 text += "\r\n";
             return text;
         }(),
         10000},
        {"ten thousand lone CR, then LF", std::string(10000, '\r') + "\n", 10000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CLineChunks::CountLineEnds(c.text), c.lines) << c.name;
}
