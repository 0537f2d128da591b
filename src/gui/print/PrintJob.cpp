#include "print/PrintJob.h"

#include "io/TextSink.h"
#include "print/GridPrinter.h"
#include "print/PainterSurface.h"
#include "resources/StringTable.h"

#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <limits>
#include <string_view>

namespace {

// Pages are laid out in device pixels, with margins of 200 and 150 of
// them: at 600 dots an inch they are about 8 and 6 millimetres.
constexpr int kResolution = 600;

// Hands what the PDF writer produces to a sink. The writer ignores what its
// device answers, so the sink checks every write and keeps the first
// failure for its commit; the pages stream through its buffer rather than
// being held whole in memory.
class CSinkDevice final : public QIODevice
{
public:
    explicit CSinkDevice(CTextSink& sink) : m_sink(sink) { open(QIODevice::WriteOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        m_sink.Write(std::string_view(data, static_cast<std::size_t>(size)));
        return size;
    }

private:
    CTextSink& m_sink;
};

} // namespace

CPrintJob::CPrintJob(CGridPrinter& engine, QWidget* parent, const QFont& screenFont,
                     IProgress& progress)
    : m_engine(engine), m_pParent(parent), m_screenFont(screenFont), m_progress(progress),
      m_pPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_pPrinter->setResolution(kResolution);
}

CPrintJob::~CPrintJob() = default;

void CPrintJob::PrintOn(CGridPrinter& engine, QPagedPaintDevice& device, const QFont& screenFont,
                        int first, int last, IProgress* progress)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    CPainterSurface surface(painter, device, screenFont);
    engine.Reset();
    if (first <= 0 || last <= 0) {
        first = 1;
        last = std::numeric_limits<int>::max();
    }
    engine.PrintPages(surface, first, last, progress);
}

void CPrintJob::Print()
{
    m_engine.Reset();
    QPrintDialog dialog(m_pPrinter.get(), m_pParent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintOn(m_engine, *m_pPrinter, m_screenFont, m_pPrinter->fromPage(), m_pPrinter->toPage(),
            &m_progress);
}

void CPrintJob::Preview()
{
    QPrintPreviewDialog dialog(m_pPrinter.get(), m_pParent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this](QPrinter* printer) { PrintOn(m_engine, *printer, m_screenFont); });
    dialog.exec();
}

void CPrintJob::PageSetup()
{
    QPageSetupDialog dialog(m_pPrinter.get(), m_pParent);
    dialog.exec();
}

bool CPrintJob::WritePdf(CGridPrinter& engine, const QString& path, const QFont& screenFont,
                         QString& error)
{
    CTextSink sink;
    if (!sink.Open(path, error))
        return false;
    {
        CSinkDevice device(sink);
        QPdfWriter writer(&device);
        writer.setResolution(kResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(engine.m_strDocTitle);
        writer.setCreator(engine.m_strAppName);
        PrintOn(engine, writer, screenFont);
    }
    return sink.Commit(error);
}

bool CPrintJob::WriteListPdf(const CGridListCtrl& grid, const QString& title, const QString& path,
                             QString& error)
{
    CGridPrinter engine;
    engine.SetGrid(&grid);
    engine.SetAppName(QString::fromUtf8(Strings::kAppName));
    engine.SetDocTitle(title);
    return WritePdf(engine, path, QGuiApplication::font(), error);
}
