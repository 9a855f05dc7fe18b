#include "sim/Frame.h"

#include "sim/Hex.h"

namespace vamok::sim {

namespace {
constexpr std::size_t kMaxFrame = 4096;
}

unsigned PayloadChecksum(std::string_view payload)
{
    unsigned sum = 0;
    for (unsigned char b : payload)
        sum += b;
    return sum & 0xFF;
}

std::string BuildFrame(std::string_view payload)
{
    std::string frame(1, kStx);
    frame.append(payload);
    frame += HexByte(PayloadChecksum(payload));
    frame += kEtx;
    return frame;
}

void FrameReader::reset()
{
    buffer_.clear();
    inFrame_ = false;
}

std::vector<FrameReader::Frame> FrameReader::feed(std::string_view bytes)
{
    std::vector<Frame> frames;
    for (char c : bytes) {
        if (c == kStx) {
            buffer_.assign(1, c);
            inFrame_ = true;
            continue;
        }
        if (!inFrame_)
            continue;
        buffer_ += c;
        if (buffer_.size() > kMaxFrame) {
            // No command is this long: a lost ETX, not a frame.
            reset();
            continue;
        }
        if (c == kEtx) {
            frames.push_back(check(buffer_));
            reset();
        }
    }
    return frames;
}

FrameReader::Frame FrameReader::check(const std::string& frame)
{
    // STX, payload, two checksum digits, ETX.
    if (frame.size() < 4)
        return {false, frame};
    const std::string_view digits(frame.data() + frame.size() - 3, 2);
    const auto isUpperHex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
    const std::string_view payload(frame.data() + 1, frame.size() - 4);
    if (!isUpperHex(digits[0]) || !isUpperHex(digits[1]))
        return {false, frame};
    const auto value = HexDecode(digits);
    if (!value || static_cast<unsigned char>((*value)[0]) != PayloadChecksum(payload))
        return {false, frame};
    return {true, std::string(payload)};
}

} // namespace vamok::sim
