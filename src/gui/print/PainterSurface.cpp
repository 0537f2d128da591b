#include "print/PainterSurface.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

CPainterSurface::CPainterSurface(QPainter& painter, QPagedPaintDevice& device,
                                 const QFont& screenFont)
    : m_painter(painter), m_device(device), m_screenFont(screenFont)
{
}

QFont CPainterSurface::FontOf(const PrintFont& font) const
{
    QFont made(m_screenFont);
    made.setFamilies({font.face});
    made.setPointSize(font.points);
    made.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    made.setItalic(font.italic);
    return made;
}

QSize CPainterSurface::PageSize() const
{
    return QSize(m_device.width(), m_device.height());
}

QSize CPainterSurface::TextExtent(const PrintFont& font, const QString& text) const
{
    const QFontMetrics metrics(FontOf(font), &m_device);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

int CPainterSurface::ScreenAverageCharWidth() const
{
    return QFontMetrics(m_screenFont).averageCharWidth();
}

void CPainterSurface::FillBlack(const QRect& rect)
{
    m_painter.fillRect(rect, Qt::black);
}

// Drawn from the rectangle's top and clipped to it: a text longer than its
// column is cut at the column's edge.
void CPainterSurface::DrawText(const QRect& rect, const QString& text, const PrintFont& font,
                               Align align)
{
    m_painter.setFont(FontOf(font));
    m_painter.setPen(Qt::black);
    const int horizontal = align == Align::Left ? Qt::AlignLeft : Qt::AlignRight;
    m_painter.drawText(rect, horizontal | Qt::AlignTop | Qt::TextSingleLine, text);
}

bool CPainterSurface::NewPage()
{
    return m_device.newPage();
}
