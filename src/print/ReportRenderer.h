#pragma once
// Renders a report onto a printer or into a PDF: A4, landscape or portrait
// as the report wants, every page with its header and page count.
#include "print/ReportData.h"

#include <QByteArray>
#include <QDate>

#include <optional>
#include <string>

class QPagedPaintDevice;

namespace vamok {

// A4 in the report's orientation, with the report's margins.
void SetReportPage(const Report& report, QPagedPaintDevice& device);

// Paints the report on a device already set up by SetReportPage; false when
// the device cannot be painted on.
bool PaintReport(const Report& report, QPagedPaintDevice& device, const QDate& date);

// The report as the bytes of a PDF file.
QByteArray ReportPdf(const Report& report, const QDate& date = QDate::currentDate());

// Writes a rendered PDF as the file `path`; the reason when that failed.
std::optional<std::string> SaveReportPdf(const std::string& path, const QByteArray& pdf);

} // namespace vamok
