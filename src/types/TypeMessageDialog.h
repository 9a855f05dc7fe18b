#pragma once
// The type library's messages and questions as modal message boxes.
#include "types/TypeReporter.h"

class QWidget;

namespace vamok {

class TypeMessageDialog : public TypeReporter {
public:
    explicit TypeMessageDialog(QWidget* parent) : parent_(parent) {}

    void Message(const std::string& caption, const std::string& text) override;
    // Yes/No/Cancel; true only for Yes.
    bool AskYes(const std::string& caption, const std::string& text) override;

private:
    QWidget* parent_;
};

} // namespace vamok
