#pragma once
// The upload progress dialog `TWriting` of the type transfer: the type
// being written and a button that stops all transfers.
#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace vamok {

class TWriting : public QDialog {
    Q_OBJECT
public:
    // abortTransfer sets the type transfer's abort flag.
    explicit TWriting(std::function<void()> abortTransfer = {}, QWidget* parent = nullptr);
    void SetAbortTransfer(std::function<void()> abortTransfer) { abort_ = std::move(abortTransfer); }

    // The name of the type being written.
    void ShowTypeName(const std::string& name);

    QLabel* LengthLabel = nullptr;
    QPushButton* CancelBtn = nullptr;

private:
    std::function<void()> abort_;
};

} // namespace vamok
