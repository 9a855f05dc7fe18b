#include "measure/DialogSupport.h"

#include "core/Cp1252.h"
#include "measure/NameKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>

namespace vamok {

HintFunction DefaultHint()
{
    return [](const std::string& text, const std::string& caption) {
        QApplication::beep();
        QMessageBox::information(QApplication::activeWindow(), FromCp1252(caption), FromCp1252(text));
    };
}

NameKeyFilterObject::NameKeyFilterObject(QLineEdit* edit) : QObject(edit) { edit->installEventFilter(this); }

bool NameKeyFilterObject::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() != 1 || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Return ||
        key->key() == Qt::Key_Enter)
        return false; // editing and navigation keys, Enter for the default button
    const std::string bytes = ToCp1252(text);
    // A character without a code page 1252 byte counts as rejected.
    const char typed = (bytes == "?" && text != QStringLiteral("?")) ? '\x7F' : bytes[0];
    const auto accepted = FilterNameKey(typed);
    if (!accepted)
        return true;
    if (*accepted != typed) {
        static_cast<QLineEdit*>(watched)->insert(FromCp1252(std::string(1, *accepted)));
        return true;
    }
    return false;
}

} // namespace vamok
