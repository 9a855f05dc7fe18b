#include "core/MessageDialog.h"

#include "core/Cp1252.h"

#include <QMessageBox>

namespace vamok {

namespace {

QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
                                const std::string& caption, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, FromCp1252(caption), FromCp1252(text), buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void ShowMessageWithoutWaiting(QWidget* parent, const std::string& text, const std::string& caption)
{
    auto* box = new QMessageBox(QMessageBox::Information, FromCp1252(caption), FromCp1252(text), QMessageBox::Ok,
                                parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void ShowMessageBox(QWidget* parent, const std::string& text, const std::string& caption)
{
    Ask(parent, QMessageBox::Information, text, caption, QMessageBox::Ok);
}

bool AskYesNo(QWidget* parent, const std::string& text, const std::string& caption)
{
    return Ask(parent, QMessageBox::Question, text, caption, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool AskYesNoCancel(QWidget* parent, const std::string& text, const std::string& caption)
{
    return Ask(parent, QMessageBox::Warning, text, caption,
               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) == QMessageBox::Yes;
}

bool AskOkCancel(QWidget* parent, const std::string& text, const std::string& caption)
{
    return Ask(parent, QMessageBox::Warning, text, caption, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

ShowMessage MessageBoxesOver(QWidget* parent)
{
    return [parent](const std::string& text, const std::string& caption) {
        ShowMessageBox(parent, text, caption);
    };
}

} // namespace vamok
