// libFuzzer target: the type library reader on any bytes. A library it
// reads to the end must come back with the same types after being written
// and read once more.
#include "core/AppState.h"
#include "types/TypeFile.h"
#include "types/TypeLibrary.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace vamok;

namespace {

struct SilentReporter : TypeReporter {
    void Message(const std::string&, const std::string&) override {}
    bool AskYes(const std::string&, const std::string&) override { return false; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the locale's decimal separator for the writer.
    App().DecimalSep = (data[0] & 1) ? '.' : ',';
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    SilentReporter reporter;
    if (LoadTypeText(bytes, "fuzz.APT", reporter).status != TypeFileStatus::Loaded)
        return 0;
    const TAPListe first = PCTypes();
    const std::string written = TypeFileText();
    const TypeLoadResult again = LoadTypeText(written, "fuzz.APT", reporter);
    if (again.status != TypeFileStatus::Loaded || !again.renameReport.empty() || PCTypes() != first)
        std::abort();
    return 0;
}
