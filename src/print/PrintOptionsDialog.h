#pragma once
// "Druck-Einstellungen": the printer, its set-up, all or the marked
// workplaces and extended printing, chosen before a measurement print.
// The main window's "Drucker einrichten" runs only the set-up.
#include "print/PrintData.h"
#include "print/PrinterSource.h"

#include <QDialog>

#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vamok {

// The platform's printers (Qt's print support).
PrinterSource PlatformPrinters();

class TPrintOptions : public QDialog {
    Q_OBJECT
public:
    explicit TPrintOptions(PrintState& state, QWidget* parent = nullptr);

    void setPrinterSource(PrinterSource source);
    // The platform's printer set-up for the named printer; true when the
    // user confirmed it. Tests replace it.
    void setSetupDialog(std::function<bool(const std::string& printer)> dialog) { setupDialog_ = std::move(dialog); }
    void setMessage(std::function<void(const std::string& text, const std::string& caption)> show)
    {
        message_ = std::move(show);
    }

    // Shows the window modally; true after "Ok".
    bool Execute();
    // "Einrichten": the printer set-up; without any printer a message says so.
    void PrintButtonClick();
    void PrinterboxChange(int index);
    void OkButtonClick();
    // The colour test on the printer at the printer index.
    void TestColour();

    QGroupBox* GroupBox1 = nullptr;
    QComboBox* Printerbox = nullptr;
    QPushButton* PrintButton = nullptr;
    QRadioButton* allesbut = nullptr;
    QRadioButton* Selectbut = nullptr;
    QCheckBox* Druckenerweitert = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton* Farbe = nullptr;
    QRadioButton* SW = nullptr;
    QListWidget* Lang = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Activate();
    void FillPrinterbox();
    std::string langText(int index) const;
    std::vector<std::string> printers() const;
    std::string printerAt(int index) const;

    PrintState& state_;
    PrinterSource source_;
    std::function<bool(const std::string&)> setupDialog_;
    std::function<void(const std::string&, const std::string&)> message_;
};

} // namespace vamok
