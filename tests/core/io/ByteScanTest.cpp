#include "io/ByteScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every byte asked for is found once, in order, whether it falls in a run
// of sixteen compared at once or in the bytes left over at the end.
TEST(ByteScanTest, FindsEveryMarkWherever)
{
    CByteScan scan(std::string_view("\t\n\\\r"));
    for (const std::size_t size : {0, 1, 15, 16, 17, 31, 33, 100}) {
        std::string text(size, 'x');
        std::vector<std::uint32_t> expected;
        for (std::size_t i = 0; i < size; i += 3) {
            text[i] = "\t\n\\\r\xE9"[i % 5];
            if (i % 5 != 4)
                expected.push_back(static_cast<std::uint32_t>(i));
        }
        const CByteScan::Found found = scan.FindAll(text);
        EXPECT_EQ(std::vector<std::uint32_t>(found.offsets, found.offsets + found.count), expected)
            << size;
    }
}

// A copy or a search stops at the first mark, whether in a run of sixteen
// or in the bytes left over, and a count finds every mark.
TEST(ByteScanTest, CopiesUpToTheFirstMark)
{
    const CByteScan scan(std::string_view("\t\""));
    for (const std::size_t size : {0, 5, 16, 40}) {
        for (std::size_t mark = 0; mark <= size; ++mark) {
            std::string text(size, 'y');
            if (mark < size)
                text[mark] = mark % 2 == 0 ? '\t' : '"';
            std::string out(size + kCopySlack, '-');
            EXPECT_EQ(scan.CopyUntil(text, out.data()), mark) << size;
            EXPECT_EQ(out.substr(0, mark), text.substr(0, mark)) << size;
            EXPECT_EQ(scan.Find(text), mark < size ? mark : std::string_view::npos) << size;
            EXPECT_EQ(scan.Find(text, mark + 1), std::string_view::npos) << size;
            EXPECT_EQ(scan.Count(text + text), mark < size ? 2u : 0u) << size;
        }
    }
}
