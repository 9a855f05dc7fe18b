#include "sim/AltarimCommandSet.h"

#include "sim/Frame.h"
#include "sim/LiveValues.h"
#include "sim/MemoryRecord.h"
#include "sim/TextCodec.h"

#include <string_view>

namespace vamok::sim {

namespace {
constexpr std::size_t kIdentificationSize = 46;
constexpr std::size_t kNameWidth = 8;

struct Pattern {
    std::string_view prefix;
    std::size_t parameters; // bytes after the prefix; the type record size is added where recordFollows
    bool recordFollows;
};

constexpr Pattern kPatterns[] = {
    {"Ve", 0, false}, {"Sr", 0, false}, {"Mm", 0, false}, {"Ck", 0, false},
    {"Gr", 1, false}, {"Rd", 1, false}, {"Pt", 1 + kNameWidth + 2, false},
    {" Wa", 1, true}, {"GTY", 1, true},
};

std::string Byte(int value)
{
    return std::string(1, static_cast<char>(value));
}
} // namespace

AltarimCommandSet::AltarimCommandSet(InstrumentMemory& memory, bool withLuminance)
    : memory_(memory), withLuminance_(withLuminance)
{
}

std::string AltarimCommandSet::IdentificationText(const SimState& state)
{
    return FixedWidth("VAMOK altarim  - Ver " + state.firmware, kIdentificationSize);
}

// 0 with known set: a known command still missing bytes; 0 with known clear:
// no command starts here.
std::size_t AltarimCommandSet::commandLength(const std::string& input, bool& known) const
{
    for (const auto& p : kPatterns) {
        const std::size_t common = std::min(input.size(), p.prefix.size());
        if (std::string_view(input).substr(0, common) != p.prefix.substr(0, common))
            continue;
        known = true;
        const std::size_t length = p.prefix.size() + p.parameters +
                                   (p.recordFollows ? RecordSize(memory_.typeLayout()) : 0);
        return input.size() >= length ? length : 0;
    }
    known = false;
    return 0;
}

bool AltarimCommandSet::waitsForMore(const std::string& input) const
{
    bool known = false;
    return !input.empty() && commandLength(input, known) == 0 && known;
}

AltarimCommandSet::Result AltarimCommandSet::run(std::string& input)
{
    Result result;
    while (!input.empty()) {
        bool known = false;
        const std::size_t length = commandLength(input, known);
        if (!known) {
            input.erase(0, 1);
            continue;
        }
        if (length == 0)
            break;
        const std::string command = input.substr(0, length);
        input.erase(0, length);
        result.consumed += command;
        result.reply += execute(command, result.refused);
    }
    return result;
}

std::string AltarimCommandSet::execute(const std::string& command, bool& refused)
{
    const SimState& s = memory_.state();
    const std::string_view head = std::string_view(command).substr(0, 2);
    const int n = command.size() > 2 ? static_cast<unsigned char>(command[2]) : 0;
    std::string reply;
    if (head == "Ve") {
        reply = IdentificationText(s);
    } else if (head == "Sr") {
        reply = "SER" + Byte(s.serial >> 8) + Byte(s.serial & 0xFF) + Byte(s.series) + Byte(s.flags);
    } else if (head == "Mm") {
        reply = AltarimLiveReply(s.live);
    } else if (head == "Ck") {
        unsigned sum = 0;
        for (unsigned char b : lastReply_)
            sum += b;
        reply = Byte(static_cast<int>(sum & 0xFF));
    } else if (head == "Gr") {
        if (const Workplace* wp = memory_.workplace(n))
            reply = "MEM" + AltarimRecord(*wp, withLuminance_);
    } else if (head == "Rd") {
        if (const std::string* record = memory_.typeRecord(n))
            reply = "TYP" + Byte(n) + *record;
    } else if (head == "Pt") {
        const bool separated = command[3 + kNameWidth] == '\0';
        const int slot = static_cast<unsigned char>(command[4 + kNameWidth]);
        const bool ok = separated && memory_.writeName(n, command.substr(3, kNameWidth), slot, std::nullopt);
        reply = Byte(ok ? kAck : kNak);
        refused = refused || !ok;
    } else { // " Wa" or "GTY": the slot byte follows the three-letter word
        const int slot = static_cast<unsigned char>(command[3]);
        const bool ok = memory_.writeType(slot, command.substr(4), command.substr(0, 3));
        reply = Byte(ok ? kAck : kNak);
        refused = refused || !ok;
    }
    lastReply_ = reply;
    return reply;
}

} // namespace vamok::sim
