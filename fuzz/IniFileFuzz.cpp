// libFuzzer target: the INI reader on any bytes. What it reads must read the
// same after the file is written, and every section, key and value it hands
// out must be writable into a new file that reads them back unchanged.
#include "core/IniFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace vamok;

namespace {

bool SameContent(const IniFile& a, const IniFile& b)
{
    if (a.sections() != b.sections())
        return false;
    for (const std::string& section : a.sections()) {
        if (a.keys(section) != b.keys(section))
            return false;
        for (const std::string& key : a.keys(section))
            if (a.value(section, key) != b.value(section, key))
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const IniFile read = IniFile::FromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!SameContent(read, IniFile::FromBytes(read.toBytes())))
        std::abort();

    IniFile rebuilt;
    for (const std::string& section : read.sections()) {
        if (section.empty()) // "[]": a section no program writes
            continue;
        for (const std::string& key : read.keys(section))
            if (!rebuilt.setValue(section, key, *read.value(section, key)))
                std::abort();
    }
    const IniFile reread = IniFile::FromBytes(rebuilt.toBytes());
    for (const std::string& section : rebuilt.sections())
        for (const std::string& key : rebuilt.keys(section))
            if (reread.value(section, key) != read.value(section, key))
                std::abort();
    return 0;
}
