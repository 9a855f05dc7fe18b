#pragma once
// The type editor `TBalken2` ("Arbeitsplatztypen editieren"): the four
// thresholds and the display target of one quantity row of a PC type, as
// spin edits and as a bar whose borders can be dragged.
#include "types/TAPDef.h"
#include "types/ThresholdBar.h"

#include <QDialog>

#include <array>
#include <functional>
#include <map>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace vamok {

class ThresholdBarWidget;

class TBalken2 : public QDialog {
    Q_OBJECT
public:
    explicit TBalken2(QWidget* parent = nullptr);

    // Opens the editor on `row` of `type`; the PMV row is offered only in
    // the type window's extended view. The record must outlive the editor's
    // use of it.
    void Prepare(TAPDef& type, int row, bool extendedView);
    // Prepares another row of the same type (a radio button), storing first.
    void PrepareRow(int row);
    // Writes the edits into the record when they differ and the user agrees;
    // true when the record changed.
    bool StoreRow();

    int Row() const { return row_; }
    Thresholds EditedThresholds() const;

    // Called after the edits went into the record: the type window saves
    // the library and shows the type again.
    std::function<void()> onStored;

    QLabel* Label1 = nullptr;
    QLabel* APNa = nullptr;
    QLabel* Name1 = nullptr;
    QLabel* Bereich = nullptr;
    QLabel* Bereich1 = nullptr;
    QLabel* Label2 = nullptr;
    ThresholdBarWidget* B2 = nullptr;
    std::array<QSpinBox*, 4> G{};
    QSpinBox* Anzeige = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QListWidget* Lang = nullptr;
    std::map<int, QRadioButton*> Ber; // by quantity row

private:
    std::string LangText(int index) const;
    void EditLeft(int column);
    void ShowThresholds(const Thresholds& g);
    void Dragged(const SectionWidths& widths, int border);
    void RepaintBar();
    std::string ValueText(int value) const;

    TAPDef* type_ = nullptr;
    int row_ = TypeRow::Temperature;
    RowBarScale scale_;
    EditLimits limits_;
    bool preparing_ = false;
};

} // namespace vamok
