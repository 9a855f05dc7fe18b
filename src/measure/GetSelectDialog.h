#pragma once
// The range dialog `TGetSelect`: the first and last workplace of a readout
// or an upload.
#include "measure/RangeSelection.h"

#include <QDialog>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace vamok {

class TGetSelect : public QDialog {
    Q_OBJECT
public:
    explicit TGetSelect(QWidget* parent = nullptr);

    enum class Purpose { Read, Write };
    // Label1 shows "lesen von" or "Schreiben von"; the two numbers as
    // typed (not ordered), or nothing when cancelled.
    std::optional<RangeSelection> Ask(Purpose purpose);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QSpinBox* LoadFrom = nullptr;
    QSpinBox* LoadTo = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QListWidget* Lang = nullptr;

    RangeSelection Selection() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vamok
