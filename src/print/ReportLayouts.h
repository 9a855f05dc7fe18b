#pragma once
// The page designs of the two reports, composed for one device: every band
// measured and placed, ready to paint.
#include "print/PageComposer.h"
#include "print/ReportData.h"

#include <QDate>

class QPaintDevice;

namespace vamok {

// width and height: the printable area of the device in device units.
PageComposer ComposeMeasurementReport(const Report& report, QPaintDevice& device, double width, double height,
                                      const QDate& date);
PageComposer ComposeTypeReport(const Report& report, QPaintDevice& device, double width, double height,
                               const QDate& date);

// "Datum:" and the date in the long format of the user's locale.
QString ReportDate(const std::string& label, const QDate& date);

} // namespace vamok
