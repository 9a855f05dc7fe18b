#pragma once
// Reassembles frames (STX ... ETX) from the chunks the USB bridge reads.
// An STX starts a new frame (dropping any unfinished one); an ETX ends it.
// Bytes outside a frame are dropped, so noise ending in ETX never counts as
// a reply.
#include <string>
#include <string_view>
#include <vector>

namespace vamok {

class UsbFrameAssembler {
public:
    // Longest frame accepted; an endless stream without ETX is dropped.
    static constexpr std::size_t kMaxFrame = 65536;

    std::vector<std::string> Feed(std::string_view bytes);

private:
    bool inFrame_ = false;
    std::string buffer_;
};

} // namespace vamok
