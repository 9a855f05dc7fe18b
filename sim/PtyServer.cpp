#include "sim/PtyServer.h"

#include "sim/Hex.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace vamok::sim {

namespace {
constexpr int kPollMs = 20;

speed_t SpeedCode(long baud)
{
    switch (baud) {
    case 9600:
        return B9600;
    case 115200:
        return B115200;
    case 230400:
        return B230400;
    default:
        return B1500000;
    }
}

void SleepMs(long ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
} // namespace

PtyServer::PtyServer(Instrument& instrument, ServeOptions options)
    : instrument_(instrument), options_(std::move(options)), faults_(options_.faults)
{
}

PtyServer::~PtyServer()
{
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

bool PtyServer::open(std::string& error)
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ::ptsname(master_);
    if (!name) {
        error = "pseudo-terminal has no name";
        return false;
    }
    path_ = name;
    slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
    termios tio{};
    if (slave_ < 0 || ::tcgetattr(slave_, &tio) != 0) {
        error = "cannot open " + path_ + ": " + std::strerror(errno);
        return false;
    }
    // A serial line: no echo, no line editing, no byte translation.
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    if (::tcsetattr(slave_, TCSANOW, &tio) != 0) {
        error = "cannot set raw mode on " + path_ + ": " + std::strerror(errno);
        return false;
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    return true;
}

void PtyServer::serve(const volatile std::sig_atomic_t& stop)
{
    saveRecord();
    auto lastInput = std::chrono::steady_clock::now();
    while (!stop) {
        pollfd p{master_, POLLIN, 0};
        const int ready = ::poll(&p, 1, kPollMs);
        if (ready > 0 && (p.revents & POLLIN)) {
            char buffer[4096];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                lastInput = std::chrono::steady_clock::now();
                bytesIn_ += static_cast<unsigned long long>(n);
                traceEvent("in", static_cast<std::size_t>(n));
                handleInput(std::string_view(buffer, static_cast<std::size_t>(n)), stop);
            }
        } else if (ready == 0 && instrument_.hasPartialInput()) {
            const auto quiet = std::chrono::steady_clock::now() - lastInput;
            if (quiet > std::chrono::milliseconds(options_.quietDropMs))
                instrument_.dropPartialInput();
        } else if (ready > 0) {
            SleepMs(kPollMs); // hang-up or error without data: do not spin
        }
    }
    savedWrites_ = -1;
    saveRecord();
    if (options_.count) {
        std::printf("COUNT %llu %llu\n", bytesIn_, bytesOut_);
        std::fflush(stdout);
    }
}

void PtyServer::handleInput(std::string_view bytes, const volatile std::sig_atomic_t& stop)
{
    if (instrument_.onSerialPort() && !lineSpeedMatches()) {
        instrument_.dropPartialInput();
        return;
    }
    for (const Answer& a : instrument_.receive(bytes)) {
        if (a.refused)
            std::fprintf(stderr, "vamok-sim: refused %s\n", HexEncode(a.command).c_str());
        answer(faults_.shape(a), stop);
    }
    saveRecord();
}

bool PtyServer::lineSpeedMatches()
{
    termios tio{};
    if (::tcgetattr(slave_, &tio) != 0)
        return true;
    const speed_t speed = ::cfgetispeed(&tio);
    const bool matches = speed == SpeedCode(instrument_.lineSpeed());
    if (!matches && !speedMismatchReported_)
        std::fprintf(stderr, "vamok-sim: the line is not set to %ld baud; input ignored\n", instrument_.lineSpeed());
    speedMismatchReported_ = !matches;
    return matches;
}

void PtyServer::answer(const std::string& bytes, const volatile std::sig_atomic_t& stop)
{
    if (bytes.empty())
        return;
    if (options_.delayMs > 0)
        SleepMs(options_.delayMs);
    send(bytes, stop);
}

void PtyServer::send(const std::string& bytes, const volatile std::sig_atomic_t& stop)
{
    if (!options_.pace) {
        writeSome(bytes.data(), bytes.size(), stop);
        return;
    }
    // Ten bit times per byte (start, eight data bits, stop), in slices of
    // about five milliseconds.
    const double bytesPerMs = static_cast<double>(instrument_.lineSpeed()) / 10.0 / 1000.0;
    const auto slice = static_cast<std::size_t>(std::max(1.0, bytesPerMs * 5.0));
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t sent = 0; sent < bytes.size() && !stop;) {
        const std::size_t n = std::min(slice, bytes.size() - sent);
        if (!writeSome(bytes.data() + sent, n, stop))
            return;
        sent += n;
        const auto due = start + std::chrono::microseconds(static_cast<long>(sent * 1000.0 / bytesPerMs));
        std::this_thread::sleep_until(due);
    }
}

bool PtyServer::writeSome(const char* data, std::size_t size, const volatile std::sig_atomic_t& stop)
{
    while (size > 0 && !stop) {
        const ssize_t n = ::write(master_, data, size);
        if (n > 0) {
            data += n;
            size -= static_cast<std::size_t>(n);
            bytesOut_ += static_cast<unsigned long long>(n);
            traceEvent("out", static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd p{master_, POLLOUT, 0};
        ::poll(&p, 1, kPollMs);
    }
    return size == 0;
}

void PtyServer::traceEvent(const char* direction, std::size_t bytes) const
{
    if (!options_.trace)
        return;
    // Monotonic microseconds, the clock the program's own timestamps use.
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    std::fprintf(stderr, "TRACE %lld %s %zu\n", static_cast<long long>(now.count()), direction, bytes);
}

void PtyServer::saveRecord()
{
    const int writes = instrument_.memory().log().writeCount;
    if (options_.recordPath.empty() || writes == savedWrites_)
        return;
    QSaveFile file(QString::fromStdString(options_.recordPath));
    if (!file.open(QIODevice::WriteOnly) || file.write(instrument_.memory().log().toJson()) < 0 || !file.commit()) {
        std::fprintf(stderr, "vamok-sim: cannot write %s\n", options_.recordPath.c_str());
        return;
    }
    savedWrites_ = writes;
}

} // namespace vamok::sim
