#pragma once
// The busy dialog `TBusy`: progress of a running transfer with "Abbrechen",
// which reaches the transfer because the command layer lets events run
// while it waits. It mirrors the shared BusyState.
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QSlider;

namespace vamok {

class BusyState;

class TBusy : public QDialog {
    Q_OBJECT
public:
    explicit TBusy(BusyState& state, QWidget* parent = nullptr);

    QSlider* BusyBar = nullptr;
    QLabel* ShowNum = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QListWidget* Lang = nullptr;

    // The dialog's text "Übertrage Daten..." as currently translated.
    std::string TransferText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Mirror();
    BusyState& state_;
};

} // namespace vamok
