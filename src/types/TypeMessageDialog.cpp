#include "types/TypeMessageDialog.h"

#include "core/Cp1252.h"
#include "core/MessageDialog.h"

#include <QMessageBox>

namespace vamok {

void TypeMessageDialog::Message(const std::string& caption, const std::string& text)
{
    ShowMessageBox(parent_, text, caption);
}

bool TypeMessageDialog::AskYes(const std::string& caption, const std::string& text)
{
    QMessageBox box(QMessageBox::Warning, FromCp1252(caption), FromCp1252(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    return box.exec() == QMessageBox::Yes;
}

} // namespace vamok
