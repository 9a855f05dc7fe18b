#pragma once
// Writing the workplaces' names, type slots and profiles into the
// instrument ("Name/Typ -> VAMOK", "Definitionen schreiben"), each read back,
// then the used types into their slots. The table window drives it through
// the busy dialog; the command-line tool does the same without windows.
#include "device/LinkMode.h"
#include "measure/MeasurementTable.h"
#include "types/TypeSync.h"

#include <string>
#include <vector>

namespace vamok {

class CommandChannel;

// What the upload shows and asks besides the type transfer's messages.
class NamesUploadUi : public TypeSyncUi {
public:
    // An OK/Cancel question; true for OK.
    virtual bool AskOk(const std::string& caption, const std::string& text) = 0;
    // Workplace n is being written (progress bar, busy dialog's number).
    virtual void UploadProgress(int /*n*/) {}
    virtual void ShowBusy() {}
    virtual void CloseBusy() {}
    // Row n's texts (its type) may have changed.
    virtual void ShowRow(int /*n*/) {}
};

struct NamesUploadResult {
    bool sent = false;                 // the questions were answered and the names went out
    std::vector<int> written;          // workplaces whose read-back matched
    std::vector<int> failed;           // workplaces not written after four attempts
    bool cancelled = false;            // "Abbrechen", or not Yes after a failed workplace
    std::vector<std::string> missingTypes; // used types the PC library lacks
    bool tooManyTypes = false;         // more than nine used types: nothing sent
    TypeWriteResult types;             // the used types' slots
};

class NamesUpload {
public:
    // usedTypes: the main window's UsedAPT; types: writes the used types;
    // lang: the table window's (translated) text list.
    NamesUpload(MeasurementTable& table, CommandChannel& channel, NamesUploadUi& ui,
                std::vector<std::string>& usedTypes, TypeSync& types, std::vector<std::string> lang,
                RetryPause pause = WaitProcessingEvents);

    // Uploads workplaces from..to (To below From: From only) for the
    // current link (App() flags). The poller must be parked by the caller.
    NamesUploadResult Run(int from, int to);

    // The busy dialog's "Abbrechen": the workplace in progress is finished.
    void Cancel() { cancel_ = true; }

    // "Pt" + n + name + 0x00 + slot (+ profile on the rix).
    static std::string Command(const RowTexts& row, int n, int slot, LinkMode link);

private:
    void Prepare(int from, int to);
    bool ConfirmMissing(const std::vector<std::string>& missing);
    int SlotOf(RowTexts& row, const std::vector<std::string>& missing);
    bool WriteWorkplace(const std::string& command, int n);
    std::string Attempt(const std::string& command, int n);

    MeasurementTable& table_;
    CommandChannel& channel_;
    NamesUploadUi& ui_;
    std::vector<std::string>& usedTypes_;
    TypeSync& types_;
    std::vector<std::string> lang_;
    RetryPause pause_;
    bool cancel_ = false;
};

} // namespace vamok
