#include "sim/AltarimInstrument.h"

#include "sim/Firmware.h"

namespace vamok::sim {

namespace {
TypeLayout AltarimTypeLayout(const SimState& state)
{
    return IsEarlyAltarimFirmware(state.firmware) ? TypeLayout::AltarimEarly : TypeLayout::Altarim;
}
} // namespace

AltarimInstrument::AltarimInstrument(SimState state)
    : memory_(state, AltarimTypeLayout(state), true),
      commands_(memory_, !IsEarlyAltarimFirmware(state.firmware))
{
}

std::vector<Answer> AltarimInstrument::receive(std::string_view bytes)
{
    input_.append(bytes);
    // Everything that arrived together counts as one command string: the
    // program sends "MmCkSr" or "Pt...Gr n" in one go.
    auto result = commands_.run(input_);
    if (result.consumed.empty())
        return {};
    return {Answer{result.consumed, result.reply, false, result.refused}};
}

} // namespace vamok::sim
