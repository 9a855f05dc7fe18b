#pragma once
// The column definitions window "Spalten-Auswahl": which of the 32 table
// columns a user definition shows and in which order; copies a definition to
// and from a ".VBD" file.
#include "core/MainMessages.h"
#include "measure/ColumnView.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vamok {

class TwTableSelectCols : public QDialog {
    Q_OBJECT
public:
    explicit TwTableSelectCols(QWidget* parent = nullptr);

    // Called after "OK" and "Übernehmen" with the selected definition (1..4);
    // the table window ticks its user view item and applies the columns.
    void setApplyHandler(std::function<void(int definition)> handler) { applied_ = std::move(handler); }
    // The main window's (translated) messages; the original texts until set.
    void setMessageSource(MessageText source) { message_ = std::move(source); }

    // Definition radio button 1..4 (without loading it).
    void selectDefinition(int definition);
    int selectedDefinition() const;
    const ColumnDefinition& columns() const { return columns_; }

    void LoadColumnDefinition(bool keepSelection);
    void SaveColumnDefinition();

    // Column index 1..32.
    std::array<QCheckBox*, 32> ShowBoxes{};
    std::array<QCheckBox*, 32> MoveBoxes{};
    std::array<QRadioButton*, 4> Definitions{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* Ubernehmen = nullptr;
    QPushButton* SelectAll = nullptr;
    QPushButton* SelectNone = nullptr;
    QPushButton* Defaults = nullptr;
    QPushButton* MoveUp = nullptr;
    QPushButton* MoveDown = nullptr;
    QPushButton* ReadnSaveAll = nullptr;
    QPushButton* LoadnWriteAll = nullptr;
    QListWidget* Lang = nullptr;

    void MoveClick(bool up);
    void ReadnSaveAllClick();
    void LoadnWriteAllClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void takeShownFlags();
    void showColumns(const ColumnDefinition& columns);
    void layOutRows();
    std::string langText(int index) const;

    ColumnDefinition columns_ = ColumnDefinition::AllInNaturalOrder();
    std::array<int, 32> rowTop_{};
    std::function<void(int)> applied_;
    MessageText message_ = OriginalMainMessage;
};

} // namespace vamok
