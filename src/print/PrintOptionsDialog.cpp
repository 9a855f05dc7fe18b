#include "print/PrintOptionsDialog.h"

#include "core/Cp1252.h"
#include "core/MessageDialog.h"
#include "core/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vamok {
namespace {

constexpr const char* kPrintExtValue = "PrintExt";

// Lang: the texts for a machine without printers.
constexpr const char* kLangTexts[] = {"Kein Drucker eingerichtet", "Hinweis"};
enum : int { kNoPrinter = 0, kNoteCaption = 1 };

template <class W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

bool PlatformSetup(const std::string& name)
{
    QPrinter printer;
    printer.setPrinterName(FromCp1252(name));
    QPrintDialog dialog(&printer);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

PrinterSource PlatformPrinters()
{
    PrinterSource source;
    source.names = [] {
        std::vector<std::string> names;
        for (const QString& name : QPrinterInfo::availablePrinterNames())
            names.push_back(ToCp1252(name));
        return names;
    };
    source.current = [] { return ToCp1252(QPrinterInfo::defaultPrinterName()); };
    source.colorCount = [](const std::string& name) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(FromCp1252(name));
        if (info.isNull() || !info.supportedColorModes().contains(QPrinter::Color))
            return 2;
        QPrinter printer(info);
        return printer.colorCount();
    };
    return source;
}

TPrintOptions::TPrintOptions(PrintState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), state_(state), source_(PlatformPrinters()),
      setupDialog_(PlatformSetup)
{
    setObjectName("TPrintOptions");
    setWindowTitle(FromCp1252("Druck-Einstellungen"));
    setModal(true);
    message_ = [this](const std::string& text, const std::string& caption) { ShowMessageBox(this, text, caption); };

    auto* layout = new QVBoxLayout(this);
    GroupBox1 = Named(new QGroupBox(FromCp1252("Drucker"), this), "GroupBox1");
    auto* printerRow = new QHBoxLayout(GroupBox1);
    Printerbox = Named(new QComboBox(GroupBox1), "Printerbox");
    Printerbox->setMinimumWidth(260);
    PrintButton = Named(new QPushButton(FromCp1252("Einrichten"), GroupBox1), "PrintButton");
    printerRow->addWidget(Printerbox, 1);
    printerRow->addWidget(PrintButton);
    layout->addWidget(GroupBox1);

    allesbut = Named(new QRadioButton(FromCp1252("Alle Arbeitspl\xE4tze"), this), "allesbut");
    Selectbut = Named(new QRadioButton(FromCp1252("Markierte Arbeitspl\xE4tze"), this), "Selectbut");
    allesbut->setChecked(true);
    Druckenerweitert = Named(
        new QCheckBox(FromCp1252("Erweitertes Drucken:  z.B. mit Kontrast-Einzelwerten, PPD"), this), "Druckenerweitert");
    layout->addWidget(allesbut);
    layout->addWidget(Selectbut);
    layout->addWidget(Druckenerweitert);

    GroupBox2 = Named(new QGroupBox(FromCp1252("Druck"), this), "GroupBox2");
    auto* colourRow = new QHBoxLayout(GroupBox2);
    Farbe = Named(new QRadioButton(FromCp1252("Ausdruck in Farbe"), GroupBox2), "Farbe");
    SW = Named(new QRadioButton(FromCp1252("Ausdruck Schwarz-Weiss"), GroupBox2), "SW");
    colourRow->addWidget(Farbe);
    colourRow->addWidget(SW);
    GroupBox2->hide();
    layout->addWidget(GroupBox2);

    auto* buttons = new QHBoxLayout;
    OkButton = Named(new QPushButton(FromCp1252("Ok"), this), "OkButton");
    CancelButton = Named(new QPushButton(FromCp1252("Abbrechen"), this), "CancelButton");
    OkButton->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);

    Lang = Named(new QListWidget(this), "Lang");
    for (const char* text : kLangTexts)
        Lang->addItem(FromCp1252(text));
    Lang->hide();

    Druckenerweitert->setChecked(Settings().flag(kPrintExtValue));
    state_.extended = Druckenerweitert->isChecked();
    connect(Printerbox, &QComboBox::activated, this, &TPrintOptions::PrinterboxChange);
    connect(PrintButton, &QPushButton::clicked, this, &TPrintOptions::PrintButtonClick);
    connect(OkButton, &QPushButton::clicked, this, [this] {
        OkButtonClick();
        accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrintOptions::setPrinterSource(PrinterSource source) { source_ = std::move(source); }

std::string TPrintOptions::langText(int index) const
{
    return index < Lang->count() ? ToCp1252(Lang->item(index)->text()) : kLangTexts[index];
}

std::vector<std::string> TPrintOptions::printers() const { return source_.names ? source_.names() : std::vector<std::string>{}; }

std::string TPrintOptions::printerAt(int index) const
{
    const std::vector<std::string> names = printers();
    return index >= 0 && static_cast<std::size_t>(index) < names.size() ? names[static_cast<std::size_t>(index)] : "";
}

bool TPrintOptions::Execute() { return exec() == QDialog::Accepted; }

void TPrintOptions::showEvent(QShowEvent* event)
{
    Druckenerweitert->setChecked(Settings().flag(kPrintExtValue));
    Activate();
    QDialog::showEvent(event);
}

void TPrintOptions::Activate()
{
    const std::vector<std::string> names = printers();
    if (state_.printerIndex < 0 || static_cast<std::size_t>(state_.printerIndex) >= names.size()) {
        const std::string current = source_.current ? source_.current() : "";
        const auto it = std::find(names.begin(), names.end(), current);
        state_.printerIndex = it != names.end() ? static_cast<int>(it - names.begin()) : (names.empty() ? -1 : 0);
    }
    FillPrinterbox();
    SW->setChecked(true);
    TestColour();
    Farbe->setChecked(state_.colorPrinter);
}

void TPrintOptions::FillPrinterbox()
{
    Printerbox->clear();
    const std::vector<std::string> names = printers();
    for (const std::string& name : names)
        Printerbox->addItem(FromCp1252(name));
    if (names.empty()) {
        Printerbox->addItem(FromCp1252(langText(kNoPrinter)));
        Printerbox->setEnabled(false);
        return;
    }
    Printerbox->setEnabled(true);
    Printerbox->setCurrentIndex(std::max(state_.printerIndex, 0));
}

void TPrintOptions::PrinterboxChange(int index)
{
    if (printerAt(index).empty())
        return;
    state_.printerIndex = index;
    TestColour();
}

void TPrintOptions::PrintButtonClick()
{
    const std::string printer = printerAt(state_.printerIndex < 0 ? 0 : state_.printerIndex);
    if (printer.empty()) {
        message_(langText(kNoPrinter), langText(kNoteCaption));
        return;
    }
    setupDialog_(printer);
    if (state_.printerIndex < 0)
        state_.printerIndex = 0;
    FillPrinterbox();
    TestColour();
    Farbe->setChecked(state_.colorPrinter);
    SW->setChecked(!state_.colorPrinter);
}

void TPrintOptions::TestColour()
{
    const std::string printer = printerAt(state_.printerIndex);
    state_.colorPrinter = !printer.empty() && source_.colorCount && IsColorPrinter(source_.colorCount(printer));
}

void TPrintOptions::OkButtonClick()
{
    Settings().writeInt("", kPrintExtValue, Druckenerweitert->isChecked() ? 1 : 0);
    state_.extended = Druckenerweitert->isChecked();
    state_.selectedOnly = Selectbut->isChecked();
    if (!printerAt(Printerbox->currentIndex()).empty())
        state_.printerIndex = Printerbox->currentIndex();
    TestColour();
}

} // namespace vamok
