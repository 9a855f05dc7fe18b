#pragma once
// What the small shared dialogs need from the desktop: a message box and
// the name key filter on an edit.
#include <QObject>
#include <functional>
#include <string>

class QLineEdit;

namespace vamok {

// Beep, then a modal hint (text, caption). Replaced in tests.
using HintFunction = std::function<void(const std::string& text, const std::string& caption)>;
HintFunction DefaultHint();

// Filters the characters typed into `edit` with FilterNameKey.
class NameKeyFilterObject : public QObject {
public:
    explicit NameKeyFilterObject(QLineEdit* edit);
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vamok
