#pragma once
// Confirming a working folder typed or picked in the folder dialog.
#include "core/MainMessages.h"

#include <functional>
#include <string>

namespace vamok {

// Yes/No question (text, caption); true for Yes.
using AskYesNoFn = std::function<bool(const std::string& text, const std::string& caption)>;
using ShowMessageFn = std::function<void(const std::string& text, const std::string& caption)>;

// Appends a separator to `folder` when missing and makes it the current
// directory. A folder that does not exist is created after asking (the
// default working folder without asking). True when the dialog closes with
// OK; false for No or when the folder cannot be created (reported).
bool ConfirmFolder(std::string& folder, const MessageText& message, const AskYesNoFn& ask,
                   const ShowMessageFn& show);

// The folder the dialog's tree opens at for `folder`: the folder itself when
// it exists, else the documents folder when that exists, else nothing.
std::string TreeStartFolder(const std::string& folder);

// The working folder chosen in the dialog: held, flagged and stored.
void AdoptChosenUserPath(const std::string& folder);

} // namespace vamok
