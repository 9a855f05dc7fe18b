// libFuzzer target: a language file as the translation engine reads its
// texts. A text's stored line breaks come back as CR LF pairs only, and
// storing the restored text again gives the stored form back.
#include "core/IniFile.h"
#include "i18n/LanguageText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace vamok;

namespace {

bool HasLoneBreak(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            return true;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const IniFile file = IniFile::FromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& section : file.sections()) {
        for (const std::string& key : file.keys(section)) {
            const std::string stored = StoreLineBreaks(*file.value(section, key));
            const std::string shown = RestoreLineBreaks(stored);
            if (HasLoneBreak(shown) || StoreLineBreaks(shown) != stored)
                std::abort();
            IsWholeNumber(shown);
        }
    }
    return 0;
}
