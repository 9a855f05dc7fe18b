#pragma once
// Modal message boxes for the logic's callbacks. Texts are CP1252 bytes;
// lines are joined with CR LF as everywhere in the program.
#include "core/Manual.h"

#include <string>

class QWidget;

namespace vamok {

// An OK message box over parent.
void ShowMessageBox(QWidget* parent, const std::string& text, const std::string& caption);
// An OK message box over parent that does not wait for the user (the
// program goes on; the box closes itself when confirmed).
void ShowMessageWithoutWaiting(QWidget* parent, const std::string& text, const std::string& caption);
// A Yes/No question; true for Yes.
bool AskYesNo(QWidget* parent, const std::string& text, const std::string& caption);
// A Yes/No/Cancel question; true for Yes only.
bool AskYesNoCancel(QWidget* parent, const std::string& text, const std::string& caption);
// An OK/Cancel question; true for OK.
bool AskOkCancel(QWidget* parent, const std::string& text, const std::string& caption);

// ShowMessageBox bound to parent, for logic that reports through ShowMessage.
ShowMessage MessageBoxesOver(QWidget* parent);

} // namespace vamok
