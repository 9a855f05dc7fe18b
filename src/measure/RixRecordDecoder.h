#pragma once
// Memory record of the VAMOK rix (USB bridge): name, type, profile and
// measuring time, then 38 big-endian reading words, the later ones sent only
// by newer firmware.
#include "measure/MemoryRecord.h"

namespace vamok {

class RixRecordDecoder : public MemoryRecordDecoder {
public:
    DecodeStatus Decode(std::string_view record, const DecodeContext& ctx,
                        RawRow& row) const override;
    FormatScope PartialScope() const override { return FormatScope::AddOn; }
    bool ReportsMissingRecord() const override { return true; }
    bool RetriesOtherWorkplace() const override { return true; }

    // Bytes a record must hold for this firmware: every word it sends.
    static std::size_t RequiredLength(std::int64_t firmware);
};

} // namespace vamok
