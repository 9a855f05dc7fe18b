#pragma once
// The output step before every report: preview (the default), printer or
// a PDF file. Without a printer the printer choice says that none is set up.
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vamok {

enum class ReportOutput { Preview, Printer, PdfFile };

class TReportOutput : public QDialog {
    Q_OBJECT
public:
    explicit TReportOutput(QWidget* parent = nullptr);

    // Offers the printer only when one is set up; preview is preselected.
    void prepare(bool printerAvailable);
    ReportOutput choice() const;

    QLabel* Label1 = nullptr;
    QRadioButton* Vorschau = nullptr;
    QRadioButton* Drucker = nullptr;
    QLabel* KeinDrucker = nullptr;
    QRadioButton* PdfDatei = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

} // namespace vamok
