#pragma once
// Exchanging workplace types with the instrument: reading its nine slots
// into DeviceTypes (new names join the PC library), writing PC types into
// slots with a read-back check, comparing the two sets and copying the
// instrument's definitions over the PC's. The callers run these as one
// instrument dialogue (the presence poller parked).
#include "device/CommandChannel.h"
#include "device/DeviceClock.h"
#include "types/TypeLibraryFile.h"
#include "types/TypeRecordBytes.h"
#include "types/TypeReporter.h"

#include <string>
#include <vector>

namespace vamok {

inline constexpr int kTypeSlotCount = 9;

// What the transfer shows and asks while it runs. Messages and questions
// are those of TypeReporter (AskYes: Yes/No/Cancel, true only for Yes).
class TypeSyncUi : public TypeReporter {
public:
    // The synchronisation window's gauge (0, 10, ..., 90).
    virtual void ReadingProgress(int /*percent*/) {}
    // A type read from the instrument is in the PC library already.
    virtual void TypeAlreadyPresent(const std::string& /*name*/) {}
    // The type window shows its current type again.
    virtual void ShowCurrentType() {}
    // The upload progress window shows the type being written.
    virtual void WritingType(const std::string& /*name*/) {}
    virtual void WriteEnded() {}
    virtual void Beep() {}
};

struct TypeReadResult {
    struct Slot {
        int slot = 0;
        std::string name; // as DeviceTypes holds it (after a rename)
    };
    std::vector<Slot> slots;          // the slots that hold a type, in order
    std::vector<int> unansweredSlots; // slots without a usable reply
    bool profileNamesFailed = false;  // rix: "BPN" got no usable reply
    std::vector<std::string> added;   // names appended to the PC library
    std::string renameReport;
    bool ReadError() const { return profileNamesFailed || !unansweredSlots.empty(); }
};

struct TypeWriteResult {
    std::vector<int> writtenSlots;   // written and read back equal
    int failedSlot = 0;              // the slot given up on (0: none)
    std::string failedName;
    bool aborted = false;            // the remaining slots were not written
};

class TypeSync {
public:
    // libraryPath: where the PC library is saved when the read adds types
    // (empty: the program's library, wherever its folder is at that time).
    TypeSync(CommandChannel& channel, TypeSyncUi& ui, std::string libraryPath = {},
             RetryPause pause = WaitProcessingEvents);

    // Reads profile names (rix) and slots 1..9 for the current link
    // (App() flags and DeviceVersion); App().UsedAPT gains the names read.
    TypeReadResult ReadDeviceTypes();

    // Writes PC type `index` into `slot` (" Wa", or "GTY" for a single type)
    // and reads it back, up to five attempts, then asks whether to go on.
    // False when the slot was not written; the abort flag then stops an
    // upload.
    bool WriteTypeToSlot(int index, int slot, bool singleType = false);

    // Writes App().UsedAPT entry k into slot k + 1 (the first nine).
    TypeWriteResult UploadUsedTypes();
    // The names in App().UsedAPT that the PC library lacks.
    std::vector<std::string> MissingUsedTypes() const;

    // "alle Übertragungen abbrechen".
    void Abort() { aborted_ = true; }
    bool Aborted() const { return aborted_; }

    // The command that writes `type` into `slot` for `form`; empty when a
    // value does not fit its field (payload.unfitRow says which).
    static std::string WriteCommand(const TAPDef& type, int slot, bool singleType, const TypeRecordForm& form,
                                    TypePayload* payload = nullptr);

private:
    std::string ReadSlotReply(int slot);
    void AddReadType(const SlotReading& reading, TypeReadResult& result);
    std::string WriteAttempt(const std::string& command, int slot, std::string& status);
    bool AskContinue(const std::string& status, int tries);

    CommandChannel& channel_;
    TypeSyncUi& ui_;
    std::string libraryPath_;
    RetryPause pause_;
    bool aborted_ = false;
};

// "VAMOK kann maximal 9 Arbeitsplatzdefinitionen speichern" ..., shown
// with the caption "Warnung" when more than nine types are in use.
std::string TooManyUsedTypesText();

// Compares every PC type with the device type of the same name; the names
// whose values differ. Shows them ("Warnung"); with reportEquality and no
// difference says that they are equal, or, when no device types were read,
// that there was nothing to compare.
std::vector<std::string> CompareTypes(bool reportEquality, TypeReporter& reporter);

// After the question, copies all values of each device type into the PC
// type of the same name and saves the library. The names overwritten.
std::vector<std::string> OverwritePCTypes(TypeReporter& reporter, const std::string& libraryPath = LibraryPath());

} // namespace vamok
