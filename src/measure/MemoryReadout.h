#pragma once
// Reading the instrument's stored workplace records into the measurement
// table: one "Gr" + n + "Ck" exchange per workplace, decoded by the record
// layout of the attached model, formatted into the row's texts.
// The table window drives it and implements ReadoutUi; the command-line
// tool does the same without windows.
#include "measure/MeasurementTable.h"
#include "measure/RowPmv.h"

#include <string>
#include <vector>

namespace vamok {

class CommandChannel;
class MemoryRecordDecoder;
enum class LinkMode;

enum class ReadoutMode {
    Read,          // "Messwerte lesen": clear the table, replace all fields
    ReadAndInsert, // "Messwerte lesen und einfügen": keep the table, replace all fields
    QuadrovanOnly, // "Nur Quadrovan auslesen": add-on fields only
    VentiqInsert,  // "Ventiq auslesen und einfügen": air-velocity fields on a Ventiq
};

// What the readout shows and asks while it runs.
class ReadoutUi {
public:
    virtual ~ReadoutUi() = default;
    // The table was cleared for a new readout (caption, notes, title, ...).
    virtual void TableCleared() = 0;
    // rows lists the workplaces that already hold air velocities, each
    // followed by " - ". True to overwrite them.
    virtual bool ConfirmVentiqOverwrite(const std::string& rows) = 0;
    // The readout of from..to starts: disable the read and write controls,
    // set the progress ranges.
    virtual void Begin(int from, int to) = 0;
    // Workplace n is being read (progress bar, busy dialog's number).
    virtual void ShowProgress(int n) = 0;
    virtual void ShowBusy() = 0;
    // Closes the busy dialog and resets the progress bar.
    virtual void CloseBusy() = 0;
    // A record arrived ("Übertrage Daten..."); rejected: the altarim record
    // was too short or of another workplace (caption gets a ".").
    virtual void RecordArrived() = 0;
    virtual void RecordRejected() = 0;
    // Row n's texts (or only its type cell) changed.
    virtual void ShowRow(int n) = 0;
    virtual void ShowTypeCell(int n) = 0;
    // "ERROR in GetMemoryData!"
    virtual void ReportDecodeError() = 0;
    // "VAMOK antwortet nicht." and the question whether to go on; true = Yes.
    virtual bool AskContinueAfterNoAnswer() = 0;
    // The readout of from..to ended (also after a cancel): the notes line.
    virtual void Finished(int from, int to) = 0;
};

// The live poller's park protocol.
class PollerControl {
public:
    virtual ~PollerControl() = default;
    // Pause polling and wait until the poller's timer is off.
    virtual void Park() = 0;
    // Give the permission back and enable the timer again.
    virtual void Resume() = 0;
};

struct ReadoutResult {
    std::vector<int> rowsRead;     // workplaces whose record was decoded
    bool started = false;          // false when the Ventiq warning was declined
    bool cancelled = false;        // "Abbrechen" or No after a failed row
    int unansweredRows = 0;
    int decodeErrors = 0;
};

class MemoryReadout {
public:
    // usedTypes: the main window's UsedAPT list; new type names are appended.
    MemoryReadout(MeasurementTable& table, CommandChannel& channel, ReadoutUi& ui,
                  PollerControl& poller, std::vector<std::string>& usedTypes);

    // Runs the readout of workplaces from..to (To below From reads From
    // only) for the current link mode (App() flags). Returns after the end
    // steps, also when cancelled.
    ReadoutResult Run(ReadoutMode mode, int from, int to, const PmvSettings& pmv);

    // The busy dialog's "Abbrechen": the row in progress is finished, then
    // the readout ends.
    void Cancel() { cancel_ = true; }

    // The packet parameters of the memory read command.
    static constexpr int kReplySize = 69;
    static constexpr int kTimeoutMs = 200;
    static std::string Command(int n);

private:
    bool ConfirmVentiqOverwrite(int from, int to);
    std::string ReadReply(int n, const MemoryRecordDecoder& decoder, int& retries);
    void DecodeReply(const std::string& reply, int n, int to, const MemoryRecordDecoder& decoder,
                     int& retries, ReadoutResult& result);
    void AddUsedTypes(int upTo);

    MeasurementTable& table_;
    CommandChannel& channel_;
    ReadoutUi& ui_;
    PollerControl& poller_;
    std::vector<std::string>& usedTypes_;
    ReadoutMode mode_ = ReadoutMode::Read;
    PmvSettings pmv_;
    bool cancel_ = false;
};

const MemoryRecordDecoder& DecoderFor(LinkMode link);

// "Auslese-Datum (Nr.1 bis 99): 08.12.2026 14:05:33" from the translated
// words and the current local date and time.
std::string ReadoutNotesLine(const std::string& dateWord, const std::string& numberWord,
                             const std::string& toWord, int from, int to);

} // namespace vamok
