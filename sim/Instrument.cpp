#include "sim/Instrument.h"

#include "sim/AltarimInstrument.h"
#include "sim/QuadrovanGateway.h"
#include "sim/UsbInstrument.h"

namespace vamok::sim {

std::optional<Dialect> DialectByName(const std::string& name)
{
    if (name == "altarim")
        return Dialect::Altarim;
    if (name == "quadrovan")
        return Dialect::Quadrovan;
    if (name == "rix")
        return Dialect::Rix;
    if (name == "ventiq")
        return Dialect::Ventiq;
    return std::nullopt;
}

std::unique_ptr<Instrument> MakeInstrument(Dialect dialect, SimState state)
{
    switch (dialect) {
    case Dialect::Altarim:
        return std::make_unique<AltarimInstrument>(std::move(state));
    case Dialect::Quadrovan:
        return std::make_unique<QuadrovanGateway>(std::move(state));
    case Dialect::Rix:
        return std::make_unique<UsbInstrument>(std::move(state), false);
    case Dialect::Ventiq:
        return std::make_unique<UsbInstrument>(std::move(state), true);
    }
    return nullptr;
}

} // namespace vamok::sim
