#include "types/TypeEditorDialog.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/MessageDialog.h"
#include "types/ThresholdBarWidget.h"
#include "types/TypeRowLabels.h"
#include "types/TypeValueText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vamok {

namespace {

enum LangIndex {
    kChangedStart = 0,
    kChangedEnd = 1,
    kSaveChanges = 2,
    kCaptionHint = 3,
    kTargetHundredths = 4,
    kTargetExample = 5,
    kTarget = 6,
};

const char* const kLangTexts[] = {
    "Arbeitsplatztyp \"", " wurde ver\xE4ndert.", "\xC4nderungen speichern?", "Hinweis",
    "Anzeige-Sollwert (Target)/100: ", "(Beisp.: 10 hei\xDFt Sollwert 0,10.) ", "Anzeige-Sollwert (Target): ",
};

struct RowButton {
    const char* name;
    const char* caption;
    int row;
};

const RowButton kRowButtons[] = {
    {"Ber1", "Temperatur", TypeRow::Temperature},
    {"Ber2", "rel. Feuchte", TypeRow::Humidity},
    {"Ber3", "L\xE4rm aktuell", TypeRow::NoiseCurrent},
    {"Ber4", "L\xE4rm / Minute", TypeRow::NoiseMinute},
    {"Ber5", "Beleuchtungsst\xE4rke", TypeRow::Illuminance},
    {"Ber6", "Bildfrequenz", TypeRow::Flicker},
    {"Ber7", "max. Bildsch. Helligk.", TypeRow::ScreenLuminance},
    {"Ber8", "S/W LD Kontrast", TypeRow::Contrast},
    {"Ber9", "Monitor / Umgebung", TypeRow::LuminanceRatio},
    {"Ber10", "Luftgeschwindigkeit", TypeRow::AirVelocity},
    {"Ber11", "PMV (Predict Mean Vote)", TypeRow::PMV},
    {"Ber13", "CO2", TypeRow::CO2},
    {"Ber14", "VOC", TypeRow::TVOC},
    {"Ber15", "CO", TypeRow::CO},
    {"Ber16", "PM1u0", TypeRow::PM1},
    {"Ber17", "PM2u5", TypeRow::PM25},
    {"Ber18", "PM10u", TypeRow::PM10},
};

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QSpinBox* NamedSpin(const char* name, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setKeyboardTracking(false);
    return spin;
}

std::string ReplaceFirst(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

TBalken2::TBalken2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Balken2"));
    setWindowTitle(QStringLiteral("Arbeitsplatztypen editieren"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
    setModal(true);

    auto* outer = new QHBoxLayout(this);
    auto* rows = new QVBoxLayout;
    Label1 = NamedLabel("Label1", QStringLiteral("Bereich w\u00e4hlen"), this);
    rows->addWidget(Label1);
    for (const RowButton& b : kRowButtons) {
        auto* button = new QRadioButton(FromCp1252(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        const int row = b.row;
        connect(button, &QRadioButton::clicked, this, [this, row] { PrepareRow(row); });
        Ber[row] = button;
        rows->addWidget(button);
    }
    outer->addLayout(rows);

    auto* right = new QVBoxLayout;
    auto* names = new QHBoxLayout;
    APNa = NamedLabel("APNa", QString(), this);
    Name1 = NamedLabel("Name1", QString(), this);
    names->addWidget(APNa);
    names->addWidget(Name1);
    right->addLayout(names);
    Bereich = NamedLabel("Bereich", QString(), this);
    Bereich1 = NamedLabel("Bereich1", QString(), this);
    right->addWidget(Bereich);
    right->addWidget(Bereich1);
    B2 = new ThresholdBarWidget(this);
    B2->onDragged = [this](const SectionWidths& widths, int border) { Dragged(widths, border); };
    right->addWidget(B2);

    auto* edits = new QGridLayout;
    const char* const spinNames[4] = {"G1", "G2", "G3", "G4"};
    const char* const headers[4] = {" rt->ge", " ge->gn", " gn->ge", " ge->rt"};
    for (int k = 0; k < 4; ++k) {
        G[static_cast<std::size_t>(k)] = NamedSpin(spinNames[k], this);
        edits->addWidget(new QLabel(QString::fromLatin1(headers[k]), this), 0, k);
        edits->addWidget(G[static_cast<std::size_t>(k)], 1, k);
        connect(G[static_cast<std::size_t>(k)], &QSpinBox::editingFinished, this, [this, k] { EditLeft(k); });
    }
    right->addLayout(edits);
    Label2 = NamedLabel("Label2", FromCp1252(kLangTexts[kTarget]), this);
    Anzeige = NamedSpin("Anzeige", this);
    right->addWidget(Label2);
    right->addWidget(Anzeige);

    auto* buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("Abbruch"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    right->addLayout(buttons);
    outer->addLayout(right);

    Lang = new QListWidget(this);
    Lang->setObjectName(QStringLiteral("Lang"));
    Lang->hide();
    for (const char* text : kLangTexts)
        Lang->addItem(FromCp1252(text));

    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        StoreRow();
        accept();
    });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

std::string TBalken2::LangText(int index) const
{
    if (index < 0 || index >= Lang->count())
        return {};
    return ToCp1252(Lang->item(index)->text());
}

void TBalken2::Prepare(TAPDef& type, int row, bool extendedView)
{
    type_ = &type;
    Ber.at(TypeRow::PMV)->setVisible(extendedView);
    if (!extendedView && row == TypeRow::PMV)
        row = TypeRow::AirVelocity;
    // A new record: nothing of the previous one is to be stored.
    row_ = 0;
    PrepareRow(row);
}

void TBalken2::PrepareRow(int row)
{
    if (!type_ || row < TypeRow::Temperature || row > TypeRow::PMV)
        return;
    if (row_ != 0)
        StoreRow();
    preparing_ = true;
    row_ = row;
    scale_ = ScaleOfRow(row);
    limits_ = LimitsOfScale(scale_);
    for (std::size_t k = 0; k < 4; ++k) {
        G[k]->setRange(limits_.minimum[k], limits_.maximum[k]);
        G[k]->setEnabled(!(scale_.fixedLowSections && k < 2));
    }
    Anzeige->setRange(limits_.targetMinimum, limits_.targetMaximum);
    B2->SetLowBordersFixed(scale_.fixedLowSections);

    const std::string label = TypeRowLabel(row);
    Bereich->setText(FromCp1252(label));
    std::string unit = label;
    if (row == TypeRow::AirVelocity)
        unit = ReplaceFirst(unit, "/m/s", "/cm/s");
    else if (row == TypeRow::PMV)
        unit = ReplaceFirst(unit, "/1", "* 100");
    Bereich1->setText(FromCp1252(unit));
    APNa->setText(FromCp1252(type_->Name));
    Name1->setText(FromCp1252(type_->Name));
    Label2->setText(IsHundredthsRow(row)
                        ? FromCp1252(LangText(kTargetHundredths) + "\n" + LangText(kTargetExample))
                        : FromCp1252(LangText(kTarget)));

    for (int k = 0; k < 4; ++k)
        G[static_cast<std::size_t>(k)]->setValue(type_->at(k + 1, row));
    Anzeige->setValue(type_->at(TypeColumn::Target, row));
    Ber.at(row)->setChecked(true);
    RepaintBar();
    preparing_ = false;
}

Thresholds TBalken2::EditedThresholds() const
{
    Thresholds g{};
    for (std::size_t k = 0; k < 4; ++k)
        g[k] = G[k]->value();
    return g;
}

void TBalken2::ShowThresholds(const Thresholds& g)
{
    for (std::size_t k = 0; k < 4; ++k) {
        const QSignalBlocker quiet(G[k]);
        G[k]->setValue(g[k]);
    }
}

void TBalken2::EditLeft(int column)
{
    if (preparing_)
        return;
    ShowThresholds(KeepOrder(EditedThresholds(), column, limits_));
    RepaintBar();
}

std::string TBalken2::ValueText(int value) const
{
    return TypeValueText(value, row_, App().DecimalSep);
}

void TBalken2::RepaintBar()
{
    const Thresholds g = EditedThresholds();
    std::array<std::string, 5> texts{ValueText(scale_.Start())};
    for (std::size_t k = 0; k < 4; ++k)
        texts[k + 1] = ValueText(g[k]);
    B2->SetSections(WidthsOf(g, scale_), texts);
}

void TBalken2::Dragged(const SectionWidths& widths, int border)
{
    const Thresholds g = ThresholdsAfterDrag(EditedThresholds(), widths, border, scale_);
    ShowThresholds(g);
    std::array<std::string, 5> texts{ValueText(scale_.Start())};
    for (std::size_t k = 0; k < 4; ++k)
        texts[k + 1] = ValueText(G[k]->value());
    B2->SetSections(widths, texts);
}

bool TBalken2::StoreRow()
{
    if (!type_ || row_ == 0)
        return false;
    const Thresholds g = EditedThresholds();
    bool differs = Anzeige->value() != type_->at(TypeColumn::Target, row_);
    for (int k = 0; k < 4; ++k)
        differs = differs || g[static_cast<std::size_t>(k)] != type_->at(k + 1, row_);
    if (!differs)
        return false;
    const std::string question =
        LangText(kChangedStart) + type_->Name + "\"" + LangText(kChangedEnd) + "\r\n" + LangText(kSaveChanges);
    if (!AskOkCancel(this, question, LangText(kCaptionHint)))
        return false;
    for (int k = 0; k < 4; ++k)
        type_->at(k + 1, row_) = g[static_cast<std::size_t>(k)];
    type_->at(TypeColumn::Target, row_) = Anzeige->value();
    type_->SetMarker();
    if (onStored)
        onStored();
    return true;
}

} // namespace vamok
