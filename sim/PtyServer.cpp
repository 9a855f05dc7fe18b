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
#include <sys/prctl.h>
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
    // Paced bytes leave on time: no timer slack added to the waits.
    if (options_.pace)
        ::prctl(PR_SET_TIMERSLACK, 1UL);
    return true;
}

void PtyServer::serve(const volatile std::sig_atomic_t& stop)
{
    saveRecord();
    lastInput_ = Clock::now();
    while (!stop) {
        if (!pendingInput_.empty()) {
            std::string bytes;
            bytes.swap(pendingInput_);
            handleInput(bytes, stop);
            continue;
        }
        pollfd p{master_, POLLIN, 0};
        const int ready = ::poll(&p, 1, kPollMs);
        if (ready > 0 && (p.revents & POLLIN)) {
            readInput();
        } else if (ready == 0 && instrument_.hasPartialInput()) {
            if (Clock::now() - lastInput_ > std::chrono::milliseconds(options_.quietDropMs))
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

void PtyServer::readInput()
{
    char buffer[4096];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0)
        return;
    const auto now = Clock::now();
    lastInput_ = now;
    bytesIn_ += static_cast<unsigned long long>(n);
    traceEvent("in", static_cast<std::size_t>(n));
    pendingInput_.append(buffer, static_cast<std::size_t>(n));
    // A pseudo-terminal hands the bytes over at once; on the line they come
    // one after the other, after those still on their way.
    inputDoneAt_ = std::max(now, inputDoneAt_) + wireTime(static_cast<std::size_t>(n));
}

Clock::duration PtyServer::wireTime(std::size_t bytes) const
{
    // Ten bit times per byte: start, eight data bits, stop.
    const double seconds = static_cast<double>(bytes) * 10.0 / static_cast<double>(instrument_.lineSpeed());
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

void PtyServer::waitUntil(Clock::time_point due, const volatile std::sig_atomic_t& stop)
{
    // Bytes the program writes meanwhile are taken in now, so that their
    // time on the line counts from when they were written.
    while (!stop) {
        const auto left = due - Clock::now();
        if (left <= Clock::duration::zero())
            return;
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        const timespec timeout{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
        pollfd p{master_, POLLIN, 0};
        const int ready = ::ppoll(&p, 1, &timeout, nullptr);
        if (ready > 0 && (p.revents & POLLIN))
            readInput();
        else if (ready > 0 || (ready < 0 && errno != EINTR))
            std::this_thread::sleep_until(due); // hang-up or error without data: do not spin
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
    // In slices of about half a millisecond, each handed over when its last
    // byte would have arrived, never earlier.
    const double bytesPerMs = static_cast<double>(instrument_.lineSpeed()) / 10.0 / 1000.0;
    const auto slice = static_cast<std::size_t>(std::max(1.0, bytesPerMs * 0.5));
    // The answer begins once the command has crossed the line (the answer
    // was worked out meanwhile, as the instrument does while bytes come in).
    const auto start = std::max(Clock::now(), inputDoneAt_);
    for (std::size_t sent = 0; sent < bytes.size() && !stop;) {
        const std::size_t n = std::min(slice, bytes.size() - sent);
        waitUntil(start + wireTime(sent + n), stop);
        if (!writeSome(bytes.data() + sent, n, stop))
            return;
        sent += n;
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
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch());
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
