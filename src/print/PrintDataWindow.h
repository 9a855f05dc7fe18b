#pragma once
// The report data provider `TPrintData`: a hidden window holding the
// report's translatable texts. It gathers what a report needs from the
// table window (or the type window), builds the report's data sets and
// sends the report through the output step to the preview, the printer or
// a PDF file.
#include "print/PrintData.h"
#include "print/PrinterSource.h"
#include "print/ReportData.h"
#include "print/ReportOutputDialog.h"
#include "print/TypeReport.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QListWidget;

namespace vamok {

class TPrintOptions;
class TTransferVamokPC;

// Where a finished report goes; tests replace the dialogs.
struct ReportDestinations {
    // The output step; nothing when cancelled.
    std::function<std::optional<ReportOutput>(bool printerAvailable)> chooseOutput;
    std::function<void(const Report& report)> preview;
    std::function<bool(const Report& report, const std::string& printer)> print;
    // The PDF file to write ("" when cancelled).
    std::function<std::string(const std::string& proposedName)> pdfFileName;
    std::function<void(const std::string& text, const std::string& caption)> message;
};

class TPrintData : public QWidget {
    Q_OBJECT
public:
    TPrintData(PrintState& state, TPrintOptions& options, QWidget* parent = nullptr);

    // The output-options window, created after this one.
    void setOutputStep(TReportOutput* output) { output_ = output; }

    void setDestinations(ReportDestinations destinations) { destinations_ = std::move(destinations); }
    void setPrinterSource(PrinterSource source) { printers_ = std::move(source); }

    // The measurement report of the table with layout code `mode` (0..4,
    // 10, 11). A menu print asks the print options first; the button prints
    // all workplaces at once.
    void PrintMeasurementReport(TTransferVamokPC& table, int mode, bool askOptions);
    // The type report of the type the type window shows.
    void PrintTypeReport(TypeReportInput input);
    // The output step and the chosen destination.
    void Output(const Report& report);

    std::vector<std::string> Messages() const;

    QListWidget* Lang = nullptr;

private:
    Report BuildFromTable(TTransferVamokPC& table, int mode) const;
    std::vector<std::string> printerNames() const;

    PrintState& state_;
    TPrintOptions& options_;
    TReportOutput* output_ = nullptr; // without one, the preview
    PrinterSource printers_;
    ReportDestinations destinations_;
};

} // namespace vamok
