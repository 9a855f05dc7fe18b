// libFuzzer target: the ".VBD" column definition reader on any bytes. Every
// definition it hands out is usable: positions a permutation of 1..32, the
// number column shown.
#include "core/IniFile.h"
#include "profiles/ColumnDefinition.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace vamok;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DefinitionFileResult r = ColumnDefinitionFromFile(IniFile::FromBytes(bytes), "fuzz.VBD");
    if (!r.definition)
        return 0;
    if (!r.definition->positionsArePermutation() || !r.definition->shown[0])
        std::abort();
    if (UserViewKinds(*r.definition).empty())
        std::abort();
    return 0;
}
