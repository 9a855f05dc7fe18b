#include "types/TypeSyncDialog.h"

#include "measure/ReadingDialog.h"
#include "measure/WritingDialog.h"

#include <QApplication>
#include <QProgressBar>

namespace vamok {

TypeSyncDialog::TypeSyncDialog(TReading& reading, TWriting& writing, QWidget* parent)
    : reading_(reading), writing_(writing), messages_(parent)
{
}

void TypeSyncDialog::Message(const std::string& caption, const std::string& text)
{
    messages_.Message(caption, text);
}

bool TypeSyncDialog::AskYes(const std::string& caption, const std::string& text)
{
    return messages_.AskYes(caption, text);
}

void TypeSyncDialog::ReadingProgress(int percent)
{
    reading_.ReadingAPT->setValue(percent);
    if (!reading_.isVisible())
        reading_.show();
}

void TypeSyncDialog::TypeAlreadyPresent(const std::string& name)
{
    reading_.ShowAlreadyPresent(name);
}

void TypeSyncDialog::WritingType(const std::string& name)
{
    writing_.ShowTypeName(name);
    writing_.show();
}

void TypeSyncDialog::WriteEnded()
{
    writing_.hide();
}

void TypeSyncDialog::Beep()
{
    QApplication::beep();
}

void TypeSyncDialog::ReadingEnded()
{
    reading_.hide();
}

} // namespace vamok
