#pragma once
// The protocol monitor window (caption "APSend"): the command layer's sent
// and received traffic and a terminal view of the raw serial bytes. Shown
// only in serial debug mode; while hidden nothing is recorded.
#include <QWidget>

class QListWidget;
class QPlainTextEdit;

namespace vamok {

class TAPSend;

class TAPSendWindow : public QWidget {
public:
    static constexpr int kTerminalRows = 25;

    explicit TAPSendWindow(TAPSend& layer, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Refresh();

    TAPSend& layer_;
    QListWidget* sent_;
    QPlainTextEdit* terminal_;
    QListWidget* received_;
    std::size_t sentShown_ = 0;
    std::size_t receivedShown_ = 0;
};

} // namespace vamok
