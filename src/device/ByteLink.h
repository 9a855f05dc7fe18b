#pragma once
// A byte stream to the instrument, whatever carries it (serial port,
// USB HID-UART bridge). The protocol code above it never knows which.
#include "device/DeviceAccess.h"

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace vamok {

class ByteLink {
public:
    virtual ~ByteLink() = default;

    // Opens the link; on failure returns false and sets *error.
    virtual bool Open(std::string* error) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Writes the bytes; returns how many were accepted, -1 on a link error.
    virtual long Write(const std::string& bytes) = 0;
    // Appends everything received and not yet read to out; never blocks.
    // False on a link error.
    virtual bool ReadAvailable(std::string& out) = 0;
    // Discards both directions' buffered bytes.
    virtual void Purge() = 0;
    virtual bool SetBaudRate(int baud) = 0;
    virtual int BaudRate() const = 0;
    // Waits up to ms for bytes to arrive and announces them through
    // DataAvailable before returning. Links that cannot be waited on just
    // sleep; their bytes come through the event loop.
    virtual void WaitForBytes(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

    // Called (on the UI thread) when bytes are ready to be read; links that
    // must be polled never call it.
    std::function<void()> DataAvailable;

    // Why the last Open failed (kind Other with the error text where a link
    // cannot tell more).
    const OpenFailure& LastOpenFailure() const { return openFailure_; }

protected:
    OpenFailure openFailure_;
};

} // namespace vamok
