#pragma once
// The type transfer's windows: the synchronisation dialog while the slots
// are read, the upload progress dialog while a slot is written, messages and
// questions as message boxes.
#include "types/TypeMessageDialog.h"
#include "types/TypeSync.h"

class QWidget;

namespace vamok {

class TReading;
class TWriting;

class TypeSyncDialog : public TypeSyncUi {
public:
    TypeSyncDialog(TReading& reading, TWriting& writing, QWidget* parent);

    void Message(const std::string& caption, const std::string& text) override;
    bool AskYes(const std::string& caption, const std::string& text) override;
    void ReadingProgress(int percent) override;
    void TypeAlreadyPresent(const std::string& name) override;
    void WritingType(const std::string& name) override;
    void WriteEnded() override;
    void Beep() override;

    // The read has ended: the synchronisation dialog closes.
    void ReadingEnded();

private:
    TReading& reading_;
    TWriting& writing_;
    TypeMessageDialog messages_;
};

} // namespace vamok
