#include "print/PrintDataWindow.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/Folders.h"
#include "core/MessageDialog.h"
#include "measure/TransferTexts.h"
#include "measure/TransferWindow.h"
#include "print/MeasurementReport.h"
#include "print/PrintOptionsDialog.h"
#include "print/ReportRenderer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QTableWidget>

#include <algorithm>

namespace vamok {
namespace {

std::vector<std::string> ListTexts(const QListWidget& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.count(); ++i)
        texts.push_back(ToCp1252(list.item(i)->text()));
    return texts;
}

void PreviewOn(QWidget* parent, const Report& report)
{
    QPrinter printer(QPrinter::HighResolution);
    SetReportPage(report, printer);
    QPrintPreviewDialog dialog(&printer, parent);
    const QDate date = QDate::currentDate();
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report, date](QPrinter* target) { PaintReport(report, *target, date); });
    dialog.exec();
}

bool PrintOn(const Report& report, const std::string& name)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(FromCp1252(name));
    SetReportPage(report, printer);
    return PaintReport(report, printer, QDate::currentDate());
}

// The first to the last selected workplace (grid row 0 is workplace 1),
// or every workplace when nothing is selected.
std::pair<int, int> SelectedRows(const QTableWidget& grid)
{
    int first = kRowCount + 1;
    int last = 0;
    for (const QTableWidgetSelectionRange& range : grid.selectedRanges()) {
        first = std::min(first, range.topRow() + 1);
        last = std::max(last, range.bottomRow() + 1);
    }
    first = std::max(first, 1);
    last = std::min(last, kRowCount);
    return first <= last ? std::pair{first, last} : std::pair{1, kRowCount};
}

std::vector<std::string> NotesOf(const QPlainTextEdit& memo)
{
    std::vector<std::string> lines;
    const QString text = memo.toPlainText();
    if (text.isEmpty())
        return lines;
    for (const QString& line : text.split(QChar('\n')))
        lines.push_back(ToCp1252(line));
    return lines;
}

} // namespace

TPrintData::TPrintData(PrintState& state, TPrintOptions& options, QWidget* parent)
    : QWidget(parent), state_(state), options_(options), printers_(PlatformPrinters())
{
    setObjectName("TPrintData");
    Lang = new QListWidget(this);
    Lang->setObjectName("Lang");
    for (const char* text : ReportMessages())
        Lang->addItem(FromCp1252(text));
    Lang->hide();

    destinations_.chooseOutput = [this](bool printerAvailable) -> std::optional<ReportOutput> {
        if (!output_)
            return ReportOutput::Preview;
        output_->prepare(printerAvailable);
        if (output_->exec() != QDialog::Accepted)
            return std::nullopt;
        return output_->choice();
    };
    destinations_.preview = [this](const Report& report) { PreviewOn(window(), report); };
    destinations_.print = PrintOn;
    destinations_.pdfFileName = [this](const std::string& proposed) {
        const QString name = QFileDialog::getSaveFileName(window(), QString(),
                                                          FromCp1252(UserFolder() + proposed),
                                                          QStringLiteral("PDF (*.pdf)"));
        return ToCp1252(name);
    };
    destinations_.message = [this](const std::string& text, const std::string& caption) {
        ShowMessageBox(window(), text, caption);
    };
}

std::vector<std::string> TPrintData::Messages() const { return ListTexts(*Lang); }

std::vector<std::string> TPrintData::printerNames() const
{
    return printers_.names ? printers_.names() : std::vector<std::string>{};
}

Report TPrintData::BuildFromTable(TTransferVamokPC& table, int mode) const
{
    ColumnMap shown{};
    for (int k = 0; k < kColumnKindCount; ++k)
        shown[static_cast<std::size_t>(k)] = table.ColumnOf(static_cast<ColumnKind>(k));
    const ColumnDefinition definition =
        mode >= 0 && mode <= 4 ? LoadPrintDefinition(mode) : ColumnDefinition{};

    MeasurementReportInput in;
    in.table = &table.Table();
    if (state_.selectedOnly)
        std::tie(in.firstRow, in.lastRow) = SelectedRows(*table.Speicher);
    in.columns = AssignPrintColumns(mode, shown, definition);
    in.split = SplitPages(in.columns.count, table.MaxPrintCols->value(), table.PrintP2ColwidthLikerP1->isChecked());
    in.color = PrintInColor(table.ImmerFarbe1->isChecked(), table.ImmerSchwarzWeiss1->isChecked(),
                            state_.colorPrinter);
    in.extend = state_.extended;
    in.title = ToCp1252(table.TitelEdit->text());
    in.notes = NotesOf(*table.Memo1);
    const std::vector<std::string> untranslated(TransferLangTexts().begin(), TransferLangTexts().end());
    in.tableTexts = DataFileTextsFromLang(ListTexts(*table.Lang), untranslated,
                                          EntersMeanRadiant(table.CurrentSettings()));
    in.messages = Messages();
    // The turbulence display is always on: the word "bei" stays empty.
    if (App().TurbulenceMode)
        in.messages[ReportMessage::At].clear();
    in.recordFailed = [] { QApplication::beep(); };
    return BuildMeasurementReport(in);
}

void TPrintData::PrintMeasurementReport(TTransferVamokPC& table, int mode, bool askOptions)
{
    if (!IsPrintMode(mode))
        return;
    if (askOptions) {
        if (!options_.Execute())
            return;
    } else {
        state_.selectedOnly = false;
    }
    options_.TestColour();
    try {
        Output(BuildFromTable(table, mode));
    } catch (const std::exception&) {
        destinations_.message("Achtung", "Druckenfehler6");
    }
}

void TPrintData::PrintTypeReport(TypeReportInput input)
{
    options_.TestColour();
    input.color = state_.colorPrinter;
    input.messages = Messages();
    input.decimalSep = App().DecimalSep;
    Output(BuildTypeReport(input));
}

void TPrintData::Output(const Report& report)
{
    const std::vector<std::string> names = printerNames();
    const std::optional<ReportOutput> choice = destinations_.chooseOutput(!names.empty());
    if (!choice)
        return;
    switch (*choice) {
    case ReportOutput::Preview:
        destinations_.preview(report);
        return;
    case ReportOutput::Printer: {
        const std::size_t index = state_.printerIndex < 0 ? 0 : static_cast<std::size_t>(state_.printerIndex);
        if (names.empty() || !destinations_.print(report, names[std::min(index, names.size() - 1)]))
            destinations_.message("Achtung", "Druckenfehler6");
        return;
    }
    case ReportOutput::PdfFile: {
        const std::string path = destinations_.pdfFileName(report.name + ".pdf");
        if (path.empty())
            return;
        const QByteArray pdf = ReportPdf(report);
        const std::optional<std::string> failed = pdf.isEmpty() ? std::optional<std::string>("") : SaveReportPdf(path, pdf);
        if (failed)
            destinations_.message(*failed + (failed->empty() ? "" : "\r\n") + path, "Druckenfehler6");
        return;
    }
    }
}

} // namespace vamok
