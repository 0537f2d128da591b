#include "memory/RowBlocks.h"
#include "grid/PackedRow.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

// Enough rows of this size to fill several blocks.
PackedRows MakeRows(int count, std::size_t size)
{
    PackedRows rows;
    for (int i = 0; i < count; ++i)
        rows.push_back(PackedRow::FromJoined(std::to_string(i) + std::string(size, 'x'), i,
                                             PackedRow::Home::Block));
    return rows;
}

} // namespace

// Blocks go back to the system with their last row, whichever thread made
// the rows and whichever frees them; rows too long for a block have their
// own allocation.
TEST(RowBlocksTest, BlocksLiveAsLongAsTheirRows)
{
    const std::size_t before = RowBlocks::LiveBlocks();
    PackedRows made = MakeRows(40000, 300);
    PackedRows madeElsewhere;
    std::thread([&] { madeElsewhere = MakeRows(40000, 300); }).join();
    made.push_back(PackedRow::FromJoined(std::string(RowBlocks::kLargestRow * 2, 'y'), 0,
                                         PackedRow::Home::Block));
    EXPECT_GE(RowBlocks::LiveBlocks(), before + 4);
    EXPECT_EQ(made[123].Joined(), "123" + std::string(300, 'x'));
    EXPECT_EQ(madeElsewhere[39999].Origin(), 39999u);
    EXPECT_EQ(made.back().Joined().size(), RowBlocks::kLargestRow * 2);

    std::thread([&] { made = PackedRows(); }).join();
    madeElsewhere = PackedRows();
    // The main thread's block stays for its next rows.
    EXPECT_LE(RowBlocks::LiveBlocks(), before + 1);
}

// A reader writes a row in place and keeps what it wrote; trailing TABs are
// not kept and an empty row takes no room.
TEST(RowBlocksTest, RowsWrittenInPlace)
{
    struct Case
    {
        std::string written;
        std::uint32_t origin;
        std::string kept;
    };
    const Case cases[] = {{"a\tb\t\t", 0, "a\tb"}, {"\t\t", 0, ""}, {"", 7, ""}, {"z", 2, "z"}};
    for (const Case& c : cases) {
        PackedRow row;
        std::string(c.written).copy(PackedRow::Begin(row, c.written.size() + 5), c.written.size());
        PackedRow::Finish(row, c.written.size(), c.origin);
        EXPECT_EQ(row.Joined(), c.kept) << c.written;
        EXPECT_EQ(row.Origin(), c.origin) << c.written;
        const PackedRow next = PackedRow::FromJoined("next");
        EXPECT_EQ(row.Joined(), c.kept) << "a later row does not overwrite " << c.written;
    }
}
