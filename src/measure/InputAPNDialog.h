#pragma once
// The new-type dialog `TInputAPN`: the name (at most 4 characters) of a new
// workplace type.
#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace vamok {

class TInputAPN : public QDialog {
    Q_OBJECT
public:
    explicit TInputAPN(QWidget* parent = nullptr);

    // The typed name, or nothing when cancelled.
    std::optional<std::string> Ask();

    QLineEdit* Name = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

} // namespace vamok
