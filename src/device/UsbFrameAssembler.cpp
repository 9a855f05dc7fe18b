#include "device/UsbFrameAssembler.h"

#include "device/Frame.h"

namespace vamok {

std::vector<std::string> UsbFrameAssembler::Feed(std::string_view bytes)
{
    std::vector<std::string> frames;
    for (char c : bytes) {
        if (c == kSTX) {
            buffer_.clear();
            inFrame_ = true;
        }
        if (!inFrame_)
            continue;
        buffer_ += c;
        if (c == kETX) {
            frames.push_back(buffer_);
            buffer_.clear();
            inFrame_ = false;
        } else if (buffer_.size() > kMaxFrame) {
            buffer_.clear();
            inFrame_ = false;
        }
    }
    return frames;
}

} // namespace vamok
