#pragma once
// The busy dialog's state, shared by the operations that show it (readout,
// names upload, port search): caption, range, position, number and the
// cancel flag that its "Abbrechen" sets while an exchange runs.
#include <QObject>
#include <string>

namespace vamok {

class BusyState : public QObject {
    Q_OBJECT
public:
    // An operation begins: the only place the cancel flag is cleared, so a
    // cancel is never lost when the dialog is shown again during it.
    void OperationStarted();
    // "Abbrechen": progress 0, cancel flag set, dialog closed.
    void RequestCancel();
    bool CancelRequested() const { return cancel_; }

    void Show();
    // Closing by any means (the caller, the close box, "Abbrechen").
    void Close();
    bool Visible() const { return visible_; }

    void SetCaption(const std::string& caption);
    void SetRange(int minimum, int maximum);
    void SetPosition(int position);
    void SetNumber(const std::string& number);

    const std::string& Caption() const { return caption_; }
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    int Position() const { return position_; }
    const std::string& Number() const { return number_; }

Q_SIGNALS:
    void Changed();
    // The measurement table window enables its read and write controls.
    void Closed();

private:
    std::string caption_ = "Busy";
    int minimum_ = 1;
    int maximum_ = 99;
    int position_ = 1;
    std::string number_;
    bool visible_ = false;
    bool cancel_ = false;
};

// The program's one busy dialog state.
BusyState& Busy();

} // namespace vamok
