#pragma once
// Memory record of the VAMOK altarim (serial port), also the form into which
// the command layer rearranges the Quadrovan gateway's reply: an 8-character
// name, the type, and the readings, of which the Quadrovan adds globe
// temperature and CO2.
#include "measure/MemoryRecord.h"

namespace vamok {

class AltarimRecordDecoder : public MemoryRecordDecoder {
public:
    DecodeStatus Decode(std::string_view record, const DecodeContext& ctx,
                        RawRow& row) const override;
    FormatScope PartialScope() const override { return FormatScope::AddOn; }
    bool ReportsMissingRecord() const override { return false; }
    bool RetriesOtherWorkplace() const override { return false; }

    // Firmware that sends no screen-luminance word.
    static bool IsOldFirmware(const std::string& deviceVersion, bool quadrovanMode);
    // The instrument display's umlaut codes replaced by CP1252 letters.
    static std::string ReplaceDisplayUmlauts(std::string text);
};

} // namespace vamok
