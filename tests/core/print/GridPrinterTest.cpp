#include "print/GridPrinter.h"

#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A printer of the given printable area whose fonts measure as the worked
// example has them: title lines 120 pixels high, footer and cell lines 100,
// a cell character 45 pixels wide, and a screen font 7 pixels wide. It
// records what is drawn.
class FakeSurface : public IPrintSurface
{
public:
    struct Text
    {
        PrintRect rect;
        QString text;
        QString face;
        Align align;
    };

    explicit FakeSurface(QSize page = QSize(4800, 6600)) : m_page(page) {}

    QSize PageSize() const override { return m_page; }
    QSize TextExtent(const PrintFont& font, const QString& text) const override
    {
        const int height = font.points == 12 ? 120 : 100;
        const int width = font.face == QLatin1String("Times New Roman") ? 45 : 50;
        return QSize(width * static_cast<int>(text.size()), height);
    }
    int ScreenAverageCharWidth() const override { return 7; }
    void FillBlack(const QRect& rect) override { bars.push_back(From(rect)); }
    void DrawText(const QRect& rect, const QString& text, const PrintFont& font,
                  Align align) override
    {
        texts.push_back({From(rect), text, font.face, align});
    }
    bool NewPage() override
    {
        ++newPages;
        return true;
    }

    std::vector<PrintRect> bars;
    std::vector<Text> texts;
    int newPages = 0;

    std::vector<Text> TextsIn(const QString& face) const
    {
        std::vector<Text> found;
        for (const Text& text : texts) {
            if (text.face == face)
                found.push_back(text);
        }
        return found;
    }

private:
    static PrintRect From(const QRect& rect)
    {
        return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    }
    QSize m_page;
};

// A list of rows under two columns 100 screen pixels wide.
void FillRows(CGridListCtrl& grid, int rows)
{
    grid.InsertColumn(0, "Nom", 100);
    grid.InsertColumn(1, "Ville", 100);
    for (int row = 0; row < rows; ++row) {
        grid.InsertItem(row, "n" + std::to_string(row));
        grid.SetItemText(row, 1, "v" + std::to_string(row));
    }
}

// A printer of grid, as the view sets one up.
struct Printer
{
    explicit Printer(const CGridListCtrl& grid)
    {
        engine.SetGrid(&grid);
        engine.SetAppName(QStringLiteral("Quire"));
        engine.SetDocTitle(QStringLiteral("courses.tbw"));
    }
    CGridPrinter engine;
};

TEST(GridPrinterTest, WorkedExample)
{
    CGridListCtrl grid;
    FillRows(grid, 120);
    Printer setUp(grid);
    CGridPrinter& printer = setUp.engine;
    printer.Reset();
    FakeSurface dc;
    EXPECT_EQ(printer.BeginPrinting(dc), 3);

    EXPECT_EQ(printer.m_rcPage, (PrintRect{0, 0, 4800, 6600}));
    EXPECT_EQ(printer.m_rcContent, (PrintRect{200, 150, 4600, 6450}));
    EXPECT_EQ(printer.m_rcTitle, (PrintRect{200, 150, 4600, 390}));
    EXPECT_EQ(printer.m_rcFooter, (PrintRect{200, 6250, 4600, 6450}));
    EXPECT_EQ(printer.m_rcBody, (PrintRect{200, 390, 4600, 6250}));
    EXPECT_EQ(printer.m_nRowsPerPage, 57);
    EXPECT_EQ(printer.m_nPages, 3);
    EXPECT_DOUBLE_EQ(printer.m_dScale, 45.0 / 7.0);
    // Row 60 is the fourth row of page 2; a 100-pixel column takes 642
    // pixels and its text starts 32 inside it.
    EXPECT_EQ(printer.GetCellRect(60, 0), (PrintRect{232, 790, 842, 890}));
    EXPECT_EQ(printer.GetCellRect(60, 1), (PrintRect{874, 790, 1484, 890}));
    EXPECT_EQ(printer.GetHeadingRect(1), (PrintRect{874, 390, 1484, 490}));

    printer.PrintPage(dc, 2);
    ASSERT_EQ(dc.bars.size(), 2u);
    EXPECT_EQ(dc.bars[0], (PrintRect{200, 330, 4600, 335}));
    EXPECT_EQ(dc.bars[1], (PrintRect{200, 6310, 4600, 6315}));
    const auto titles = dc.TextsIn(QStringLiteral("Arial"));
    ASSERT_EQ(titles.size(), 5u); // name, title, two headings, footer
    EXPECT_EQ(titles[0].text, "Quire");
    EXPECT_EQ(titles[0].rect, (PrintRect{200, 150, 4600, 270}));
    EXPECT_EQ(titles[1].text, "courses.tbw");
    EXPECT_EQ(titles[1].align, IPrintSurface::Align::Right);
    EXPECT_EQ(titles[2].text, "Nom");
    EXPECT_EQ(titles[3].text, "Ville");
    EXPECT_EQ(titles[4].text, "Page 2 of 3");
    EXPECT_EQ(titles[4].rect, (PrintRect{200, 6350, 4600, 6450}));
    EXPECT_EQ(titles[4].align, IPrintSurface::Align::Right);
    const auto cells = dc.TextsIn(QStringLiteral("Times New Roman"));
    ASSERT_EQ(cells.size(), 2u * 57);
    EXPECT_EQ(cells.front().text, "n57");
    EXPECT_EQ(cells[2 * 3].text, "n60");
    EXPECT_EQ(cells[2 * 3].rect.top, 790);
    EXPECT_EQ(cells.back().text, "v113");
    printer.EndPrinting();
    EXPECT_FALSE(printer.m_pCellFont);
}

// How many rows each page of a job holds, and the pages it prints.
TEST(GridPrinterTest, PagesHoldTheirRows)
{
    struct Case
    {
        int rows;
        int pages;
        std::vector<int> rowsOnPage;
    };
    const Case cases[] = {
        {0, 0, {0}}, // one page of bands and headings
        {1, 1, {1}},           {57, 1, {57}},
        {58, 2, {57, 1}}, // the last page stops at the last row
        {120, 3, {57, 57, 6}},
    };
    for (const Case& c : cases) {
        CGridListCtrl grid;
        FillRows(grid, c.rows);
        Printer setUp(grid);
        CGridPrinter& printer = setUp.engine;
        FakeSurface dc;
        printer.PrintPages(dc, 1, 1000);
        EXPECT_EQ(printer.m_nPages, c.pages) << c.rows;
        EXPECT_EQ(dc.newPages, static_cast<int>(c.rowsOnPage.size()) - 1) << c.rows;
        EXPECT_EQ(dc.TextsIn(QStringLiteral("Times New Roman")).size(), 2u * (c.rows)) << c.rows;
        // Every page has both bands, its headings and its footer.
        EXPECT_EQ(dc.bars.size(), 2 * c.rowsOnPage.size()) << c.rows;
        EXPECT_EQ(dc.TextsIn(QStringLiteral("Arial")).size(), 5 * c.rowsOnPage.size()) << c.rows;
        EXPECT_EQ(dc.texts.back().text, QStringLiteral("Page %1 of %1").arg(c.rowsOnPage.size()))
            << c.rows;
    }
}

// Under a filter the rows shown are printed, one after the other.
TEST(GridPrinterTest, AFilterPrintsTheRowsShown)
{
    CGridListCtrl grid;
    FillRows(grid, 120);
    grid.FilterRows({7, 70, 119});
    Printer setUp(grid);
    FakeSurface dc;
    setUp.engine.PrintPages(dc, 1, 1000);
    EXPECT_EQ(setUp.engine.m_nPages, 1);
    std::vector<QString> cells;
    for (const FakeSurface::Text& text : dc.TextsIn(QStringLiteral("Times New Roman")))
        cells.push_back(text.text);
    EXPECT_EQ(cells, (std::vector<QString>{"n7", "v7", "n70", "v70", "n119", "v119"}));
}

// A long print reports its progress page by page, from 0 back to 0.
TEST(GridPrinterTest, PrintingReportsProgressByPage)
{
    CGridListCtrl grid;
    FillRows(grid, 120);
    Printer setUp(grid);
    FakeSurface dc;
    RecordingProgress progress;
    setUp.engine.PrintPages(dc, 1, 3, &progress);
    EXPECT_EQ(progress.values, (std::vector<int>{0, 33, 66, 100, 0}));
}

// A page with no room for a heading and a row divides by nothing: it
// prints its bands and headings, and rows still make one page.
TEST(GridPrinterTest, APageTooSmallForARowPrintsItsHeadings)
{
    for (const int height : {700, 450, 100, 0}) {
        CGridListCtrl grid;
        FillRows(grid, 5);
        Printer setUp(grid);
        CGridPrinter& printer = setUp.engine;
        FakeSurface dc(QSize(4800, height));
        EXPECT_EQ(printer.BeginPrinting(dc), 1) << height;
        EXPECT_EQ(printer.m_nRowsPerPage, 0) << height;
        printer.PrintPage(dc, 1);
        EXPECT_TRUE(dc.TextsIn(QStringLiteral("Times New Roman")).empty()) << height;
        EXPECT_EQ(dc.TextsIn(QStringLiteral("Arial")).size(), 5u) << height;
        printer.EndPrinting();
    }
}

// Columns print in their display order, however many there are, up to the
// page's right edge; the one crossing it is cut there.
TEST(GridPrinterTest, ManyColumnsPrintInDisplayOrderUpToTheEdge)
{
    CGridListCtrl grid;
    std::vector<int> order;
    for (int c = 0; c < 150; ++c) {
        grid.InsertColumn(c, "c" + std::to_string(c), 6);
        order.insert(order.begin(), c);
    }
    grid.InsertItem(0, "x");
    grid.SetColumnOrderArray(order);
    Printer setUp(grid);
    CGridPrinter& printer = setUp.engine;
    FakeSurface dc;
    printer.BeginPrinting(dc);
    printer.PrintPage(dc, 1);
    std::vector<FakeSurface::Text> headings;
    for (const FakeSurface::Text& text : dc.TextsIn(QStringLiteral("Arial"))) {
        if (text.text.startsWith(QLatin1Char('c')) && text.text != "courses.tbw")
            headings.push_back(text);
    }
    // 38 pixels a column, text 32 inside: position 114 is the last to start
    // before the body's right edge at 4600.
    ASSERT_EQ(headings.size(), 115u);
    EXPECT_EQ(headings.front().text, "c149");
    EXPECT_EQ(headings.back().text, "c35");
    EXPECT_EQ(headings.back().rect, (PrintRect{4564, 390, 4570, 490}));
    printer.EndPrinting();
}

} // namespace
