#include "print/GridPrinter.h"

#include "grid/CellText.h"
#include "grid/GridListCtrl.h"
#include "platform/Progress.h"

#include <algorithm>
#include <optional>

namespace {

// The fonts' average character width is measured on the alphabet, the way
// printers and screens have long been compared.
const QString kMeasureText =
    QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ").left(52);

constexpr int kBarHeight = 5;
constexpr double kTextInset = 5.0; // screen pixels between a column's edge and its text

PrintRect Inset(const PrintRect& rect, int left, int top, int right, int bottom)
{
    return {rect.left + left, rect.top + top, rect.right - right, rect.bottom - bottom};
}

} // namespace

CGridPrinter::CGridPrinter()
{
    Reset();
}

CGridPrinter::~CGridPrinter() = default;

void CGridPrinter::Reset()
{
    m_dScale = 0.0;
    m_rcTitle = m_rcFooter = m_rcBody = m_rcContent = m_rcPage = {};
    // The fonts of a job end with EndPrinting; a job that never began has
    // none to give back.
    m_pTitleFont.reset();
    m_pFooterFont.reset();
    m_pHeadingFont.reset();
    m_pCellFont.reset();
    m_nTitleHeight = m_nFooterHeight = m_nCellCharWidth = m_nLineHeight = 0;
    m_nMarginLeft = 200;
    m_nMarginTop = 150;
    m_nMarginRight = 200;
    m_nMarginBottom = 150;
    m_nTitleLines = 2;
    m_nFooterLines = 2;
    m_nColumns = m_nRowsPerPage = m_nPages = m_nRows = 0;
    m_anColumnOrder.clear();
    m_anColumnX.clear();
}

int CGridPrinter::BeginPrinting(const IPrintSurface& dc)
{
    m_pTitleFont = std::make_unique<PrintFont>(PrintFont{QStringLiteral("Arial"), 12, 700});
    m_pFooterFont = std::make_unique<PrintFont>(PrintFont{QStringLiteral("Arial"), 10, 400});
    m_pHeadingFont = std::make_unique<PrintFont>(PrintFont{QStringLiteral("Arial"), 9, 700});
    m_pCellFont =
        std::make_unique<PrintFont>(PrintFont{QStringLiteral("Times New Roman"), 10, 400});

    m_nTitleHeight = dc.TextExtent(*m_pTitleFont, kMeasureText).height();
    m_nFooterHeight = dc.TextExtent(*m_pFooterFont, kMeasureText).height();
    const QSize cell = dc.TextExtent(*m_pCellFont, kMeasureText);
    m_nCellCharWidth = cell.width() / 52;
    m_nLineHeight = cell.height();

    const QSize page = dc.PageSize();
    m_rcPage = {0, 0, page.width(), page.height()};
    m_rcContent = Inset(m_rcPage, m_nMarginLeft, m_nMarginTop, m_nMarginRight, m_nMarginBottom);
    const int titleBand = m_nTitleLines * m_nTitleHeight;
    const int footerBand = m_nFooterLines * m_nFooterHeight;
    m_rcTitle = {m_rcContent.left, m_rcContent.top, m_rcContent.right, m_rcContent.top + titleBand};
    m_rcFooter = {m_rcContent.left, m_rcContent.bottom - footerBand, m_rcContent.right,
                  m_rcContent.bottom};
    m_rcBody = Inset(m_rcContent, 0, titleBand, 0, footerBand);

    m_dScale = static_cast<double>(m_nCellCharWidth) / std::max(1, dc.ScreenAverageCharWidth());
    // Under a filter the rows shown are printed, one after the other.
    m_nRows = m_pGrid ? m_pGrid->Shown().Count() : 0;
    m_nColumns = m_pGrid ? m_pGrid->GetColumnCount() : 0;
    // The heading row takes the body's first line, each full line after it
    // one row. A page too small for a heading and a row prints its bands
    // and headings only, on one page.
    m_nRowsPerPage =
        m_nLineHeight > 0 ? std::max(0, (m_rcBody.Height() - m_nLineHeight) / m_nLineHeight) : 0;
    if (m_nRowsPerPage > 0)
        m_nPages = (m_nRowsPerPage + m_nRows - 1) / m_nRowsPerPage;
    else
        m_nPages = m_nRows > 0 ? 1 : 0;
    m_anColumnOrder = m_pGrid ? m_pGrid->GetColumnOrderArray() : std::vector<int>();
    m_anColumnOrder.resize(m_nColumns);
    LayOutColumns();
    return m_nPages;
}

// Each column's printed width is its screen width scaled and cut to whole
// pixels on its own, so the columns' edges fall where the sum of those cut
// widths puts them.
void CGridPrinter::LayOutColumns()
{
    m_anColumnX.assign(1, m_rcBody.left);
    for (int k = 0; k < m_nColumns; ++k) {
        const int width = m_pGrid ? m_pGrid->GetColumnWidth(m_anColumnOrder[k]) : 0;
        m_anColumnX.push_back(m_anColumnX.back() + static_cast<int>(width * m_dScale));
    }
}

int CGridPrinter::TextLeft(int k) const
{
    return m_anColumnX[k] + static_cast<int>(m_dScale * kTextInset);
}

int CGridPrinter::TextRight(int k) const
{
    return std::min(m_anColumnX[k + 1], m_rcBody.right);
}

PrintRect CGridPrinter::GetHeadingRect(int k) const
{
    return {TextLeft(k), m_rcBody.top, TextRight(k), m_rcBody.top + m_nLineHeight};
}

PrintRect CGridPrinter::GetCellRect(int row, int k) const
{
    const int line = m_nRowsPerPage > 0 ? row % m_nRowsPerPage : 0;
    const int top = m_rcBody.top + m_nLineHeight + line * m_nLineHeight;
    return {TextLeft(k), top, TextRight(k), top + m_nLineHeight};
}

QString CGridPrinter::GetHeadingText(int k) const
{
    return QString::fromStdString(m_pGrid->GetColumnName(m_anColumnOrder[k]));
}

void CGridPrinter::PrintPage(IPrintSurface& dc, int page)
{
    if (!m_pCellFont)
        return; // no job has begun
    PrintTitleBand(dc);
    PrintTable(dc, page);
    PrintFooterBand(dc, page);
}

void CGridPrinter::PrintTitleBand(IPrintSurface& dc) const
{
    const int barTop = m_rcTitle.top + (3 * m_nTitleHeight) / 2;
    dc.FillBlack(PrintRect{m_rcTitle.left, barTop, m_rcTitle.right, barTop + kBarHeight}.ToQRect());
    const PrintRect line{m_rcTitle.left, m_rcTitle.top, m_rcTitle.right,
                         m_rcTitle.top + m_nTitleHeight};
    dc.DrawText(line.ToQRect(), m_strAppName, *m_pTitleFont, IPrintSurface::Align::Left);
    dc.DrawText(line.ToQRect(), m_strDocTitle, *m_pTitleFont, IPrintSurface::Align::Right);
}

void CGridPrinter::PrintTable(IPrintSurface& dc, int page) const
{
    // A column that starts at or past the body's right edge has no room:
    // it and those after it are left out.
    for (int k = 0; k < m_nColumns; ++k) {
        const PrintRect rect = GetHeadingRect(k);
        if (!rect.IsEmpty())
            dc.DrawText(rect.ToQRect(), GetHeadingText(k), *m_pHeadingFont,
                        IPrintSurface::Align::Left);
    }
    const int first = (page - 1) * m_nRowsPerPage;
    const int last = std::min(first + m_nRowsPerPage, m_nRows);
    for (int row = first; row < last; ++row) {
        for (int k = 0; k < m_nColumns; ++k) {
            const PrintRect rect = GetCellRect(row, k);
            if (rect.IsEmpty())
                continue;
            const std::string_view text = CellText::ShownPart(
                m_pGrid->ItemTextView(m_pGrid->Shown().ListRow(row), m_anColumnOrder[k]));
            dc.DrawText(rect.ToQRect(),
                        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                        *m_pCellFont, IPrintSurface::Align::Left);
        }
    }
}

// The footer's bar lies half a title line below the band's top, as the
// title's bar lies one and a half title lines below its own.
void CGridPrinter::PrintFooterBand(IPrintSurface& dc, int page) const
{
    const int barTop = m_rcFooter.top + m_nTitleHeight / 2;
    dc.FillBlack(
        PrintRect{m_rcFooter.left, barTop, m_rcFooter.right, barTop + kBarHeight}.ToQRect());
    const QString text = QStringLiteral("Page %1 of %2").arg(page).arg(PagesToPrint());
    const PrintRect line{m_rcFooter.left, m_rcFooter.bottom - m_nFooterHeight, m_rcFooter.right,
                         m_rcFooter.bottom};
    dc.DrawText(line.ToQRect(), text, *m_pFooterFont, IPrintSurface::Align::Right);
}

void CGridPrinter::EndPrinting()
{
    m_pTitleFont.reset();
    m_pFooterFont.reset();
    m_pHeadingFont.reset();
    m_pCellFont.reset();
}

void CGridPrinter::PrintPages(IPrintSurface& dc, int first, int last, IProgress* progress)
{
    BeginPrinting(dc);
    first = std::max(first, 1);
    last = std::min(last, PagesToPrint());
    std::optional<ProgressReporter> reporter;
    if (progress)
        reporter.emplace(*progress);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            dc.NewPage();
        PrintPage(dc, page);
        if (reporter)
            reporter->Update(page - first + 1, last - first);
    }
    EndPrinting();
}
