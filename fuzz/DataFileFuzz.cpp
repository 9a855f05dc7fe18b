// libFuzzer target: the data-file reader on any bytes. Whatever it accepts
// must come back unchanged after being written and read once more.
#include "core/AppState.h"
#include "measure/DataFileReader.h"
#include "measure/DataFileWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace vamok;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the kind and the locale's decimal separator.
    const DataFileKind kind = (data[0] & 1) ? DataFileKind::Csv : DataFileKind::Vam;
    const char sep = (data[0] & 2) ? '.' : ',';
    App().DecimalSep = sep;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const DataFileTexts texts = DefaultDataFileTexts();
    const ParseResult first = ParseDataFile(bytes, kind, texts, sep, PmvSettings{});
    if (!first.content)
        return 0;
    const DataFileContent& a = *first.content;
    const std::string written =
        FormatDataFile(a.table, {a.title.value_or(""), a.notes}, kind, texts, RateFunction{});
    const ParseResult second = ParseDataFile(written, kind, texts, sep, PmvSettings{});
    if (!second.content)
        std::abort();
    const DataFileContent& b = *second.content;
    if (b.title.value_or("") != a.title.value_or("") || b.notes != a.notes)
        std::abort();
    for (int n = 1; n <= kRowCount; ++n)
        for (const FieldInfo& f : AllFields())
            if (a.table.row(n).texts[f.field] != b.table.row(n).texts[f.field])
                std::abort();
    return 0;
}
