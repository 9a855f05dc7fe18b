#pragma once
// How the type library logic talks to the user without knowing about
// windows: message boxes with a caption and CR LF-joined CP1252 lines.
#include <string>

namespace vamok {

class TypeReporter {
public:
    virtual ~TypeReporter() = default;
    // A message box with an OK button.
    virtual void Message(const std::string& caption, const std::string& text) = 0;
    // A Yes/No/Cancel question; true only for Yes.
    virtual bool AskYes(const std::string& caption, const std::string& text) = 0;
};

} // namespace vamok
