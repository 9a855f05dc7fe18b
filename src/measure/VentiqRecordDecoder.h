#pragma once
// Memory record of the Ventiq air-velocity instrument (USB bridge): name,
// type, measuring time and 11 air-velocity, temperature and turbulence words.
#include "measure/MemoryRecord.h"

namespace vamok {

class VentiqRecordDecoder : public MemoryRecordDecoder {
public:
    DecodeStatus Decode(std::string_view record, const DecodeContext& ctx,
                        RawRow& row) const override;
    FormatScope FullScope() const override { return FormatScope::AirVelocityRecord; }
    FormatScope PartialScope() const override { return FormatScope::AirVelocity; }
    bool ReportsMissingRecord() const override { return true; }
    bool RetriesOtherWorkplace() const override { return true; }

    static constexpr std::size_t kRequiredLength = 51 + 22;
};

} // namespace vamok
