#pragma once
#include "sim/FaultInjector.h"
#include "sim/Instrument.h"

#include <chrono>
#include <csignal>
#include <string>

namespace vamok::sim {

struct ServeOptions {
    FaultOptions faults;
    int delayMs = 0;          // wait before each answer
    bool pace = false;        // send no faster than the instrument's line speed
    bool count = false;       // at the end, print the bytes received and sent on stdout
    bool trace = false;       // print every read and write with its time on stderr
    std::string recordPath;   // where the writes go (empty: nowhere)
    int quietDropMs = 1000;   // an unfinished command is forgotten after this pause
};

using Clock = std::chrono::steady_clock;

// Plays the instrument on a pseudo-terminal in raw mode: the program opens
// the terminal's path like a serial port.
class PtyServer {
public:
    PtyServer(Instrument& instrument, ServeOptions options);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    bool open(std::string& error);
    const std::string& path() const { return path_; }
    // Serves until stop becomes non-zero; writes the record file on every
    // write into the instrument and once more at the end.
    void serve(const volatile std::sig_atomic_t& stop);

private:
    void readInput();
    void handleInput(std::string_view bytes, const volatile std::sig_atomic_t& stop);
    Clock::duration wireTime(std::size_t bytes) const;
    // Sleeps until due, taking in what the program writes meanwhile.
    void waitUntil(Clock::time_point due, const volatile std::sig_atomic_t& stop);
    bool lineSpeedMatches();
    void answer(const std::string& bytes, const volatile std::sig_atomic_t& stop);
    void send(const std::string& bytes, const volatile std::sig_atomic_t& stop);
    bool writeSome(const char* data, std::size_t size, const volatile std::sig_atomic_t& stop);
    void saveRecord();
    void traceEvent(const char* direction, std::size_t bytes) const;

    Instrument& instrument_;
    ServeOptions options_;
    FaultInjector faults_;
    int master_ = -1;
    int slave_ = -1; // kept open so the line survives the program closing its end
    std::string path_;
    int savedWrites_ = -1;
    bool speedMismatchReported_ = false;
    std::string pendingInput_;            // read, not yet handed to the instrument
    Clock::time_point inputDoneAt_{};     // when the last byte read has crossed the line
    Clock::time_point lastInput_{};
    unsigned long long bytesIn_ = 0;
    unsigned long long bytesOut_ = 0;
};

} // namespace vamok::sim
