#include "device/ProtocolMonitorWindow.h"

#include "core/Cp1252.h"
#include "device/ProtocolMonitor.h"
#include "device/TAPSend.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>

namespace vamok {

namespace {

void ShowNewLines(QListWidget* list, const std::deque<std::string>& lines, std::size_t& shown)
{
    if (lines.size() < shown) { // the model emptied an overfull list
        list->clear();
        shown = 0;
    }
    if (shown == lines.size())
        return;
    for (; shown < lines.size(); ++shown)
        list->addItem(FromCp1252(lines[shown]));
    list->scrollToBottom();
}

} // namespace

TAPSendWindow::TAPSendWindow(TAPSend& layer, QWidget* parent)
    : QWidget(parent), layer_(layer), sent_(new QListWidget(this)),
      terminal_(new QPlainTextEdit(this)), received_(new QListWidget(this))
{
    setObjectName("APSend");
    setWindowTitle("APSend");
    sent_->setObjectName("SendList");
    received_->setObjectName("ReceivedList");
    terminal_->setObjectName("Terminal");
    terminal_->setReadOnly(true);
    terminal_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    terminal_->setMinimumHeight(terminal_->fontMetrics().lineSpacing() * kTerminalRows);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(sent_);
    layout->addWidget(terminal_, 2);
    layout->addWidget(received_);

    layer_.Beep = [] { QApplication::beep(); };
    layer_.Monitor().Changed = [this] { Refresh(); };
    layer_.Monitor().SetEnabled(isVisible());
}

void TAPSendWindow::Refresh()
{
    ProtocolMonitor& monitor = layer_.Monitor();
    ShowNewLines(sent_, monitor.SentLines(), sentShown_);
    ShowNewLines(received_, monitor.ReceivedLines(), receivedShown_);
    const std::string bytes = monitor.TakeTerminalBytes();
    if (!bytes.empty()) {
        terminal_->moveCursor(QTextCursor::End);
        terminal_->insertPlainText(FromCp1252(bytes));
        terminal_->ensureCursorVisible();
    }
}

void TAPSendWindow::showEvent(QShowEvent* event)
{
    layer_.Monitor().SetEnabled(true);
    QWidget::showEvent(event);
}

void TAPSendWindow::hideEvent(QHideEvent* event)
{
    layer_.Monitor().SetEnabled(false);
    QWidget::hideEvent(event);
}

void TAPSendWindow::closeEvent(QCloseEvent* event)
{
    // The window lives as long as the program; closing only hides it.
    event->ignore();
    hide();
}

} // namespace vamok
