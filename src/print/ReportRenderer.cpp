#include "print/ReportRenderer.h"

#include "core/AtomicSave.h"
#include "core/Cp1252.h"
#include "print/MeasurementReport.h"
#include "print/ReportLayouts.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace vamok {
namespace {

constexpr double kMarginMm = 12;
constexpr int kPdfResolution = 600;

} // namespace

void SetReportPage(const Report& report, QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     report.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
}

bool PaintReport(const Report& report, QPagedPaintDevice& device, const QDate& date)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double width = device.width();
    const double height = device.height();
    const PageComposer composer = report.name == kMeasurementReportName
                                      ? ComposeMeasurementReport(report, device, width, height, date)
                                      : ComposeTypeReport(report, device, width, height, date);
    composer.paint(painter, device);
    return painter.end();
}

QByteArray ReportPdf(const Report& report, const QDate& date)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("VAMOK"));
        writer.setTitle(FromCp1252(report.name));
        SetReportPage(report, writer);
        if (!PaintReport(report, writer, date))
            return {};
    }
    return bytes;
}

std::optional<std::string> SaveReportPdf(const std::string& path, const QByteArray& pdf)
{
    return SaveAtomically(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

} // namespace vamok
