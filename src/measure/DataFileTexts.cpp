#include "measure/DataFileTexts.h"

#include "types/Rating.h"
#include "types/TypeLibrary.h"

#include <cstddef>

namespace vamok {
namespace {

// Indices of the table window's text list.
constexpr int kLoadFailedIndex = 16;
constexpr int kNoExcelFirstIndex = 17;
constexpr int kNoExcelSecondIndex = 18;
constexpr int kSaveFailedIndex = 19;
constexpr int kErrorCaptionIndex = 6;
constexpr int kDefaultTitleIndex = 22;
constexpr int kDataFileTypeIndex = 32;
constexpr int kCsvFileTypeIndex = 33;
constexpr int kSpreadsheetFileTypeIndex = 36;
constexpr int kFirstRatingWordIndex = 24;
constexpr int kAirVelocityMarkIndex = 34;
constexpr int kLuminanceMarkIndex = 47;
constexpr int kTemperatureMarkIndex = 48;
constexpr int kMeanRadiantHeaderIndex = 101;
constexpr const char* kMeanRadiantHeader = "Mitt - STemp";

std::size_t Index(Field f) { return static_cast<std::size_t>(f); }

// Entry `index` of `list`, or `fallback` when the list is too short.
std::string Entry(const std::vector<std::string>& list, int index, const std::string& fallback)
{
    if (index >= 0 && static_cast<std::size_t>(index) < list.size())
        return list[static_cast<std::size_t>(index)];
    return fallback;
}

// The list index of a field's header text, or -1.
int HeaderIndex(Field f)
{
    if (const auto kind = KindOfField(f))
        return InfoOf(*kind).langIndex;
    for (const auto& sub : SubFieldHeaders())
        if (sub.field == f)
            return sub.langIndex;
    return -1;
}

// Both languages' versions of a mark, without empty ones and doubles.
std::vector<std::string> Marks(const std::vector<std::string>& current,
                               const std::vector<std::string>& untranslated, int index,
                               const std::string& fallback)
{
    std::vector<std::string> marks;
    for (const std::string& mark : {Entry(current, index, fallback), Entry(untranslated, index, fallback)}) {
        bool known = false;
        for (const auto& m : marks)
            known = known || m == mark;
        if (!mark.empty() && !known)
            marks.push_back(mark);
    }
    return marks;
}

} // namespace

const std::string& DataFileTexts::ratingWord(int code) const
{
    static const std::string none;
    if (code >= 1 && code <= 3)
        return ratingWords[static_cast<std::size_t>(code - 1)];
    return none;
}

DataFileTexts DefaultDataFileTexts()
{
    DataFileTexts texts;
    for (const auto& kind : AllColumnKinds())
        if (kind.field)
            texts.headers[Index(*kind.field)] = kind.header;
    for (const auto& sub : SubFieldHeaders())
        texts.headers[Index(sub.field)] = sub.header;
    return texts;
}

DataFileTexts DataFileTextsFromLang(const std::vector<std::string>& current,
                                    const std::vector<std::string>& untranslated,
                                    bool meanRadiantHeader)
{
    const DataFileTexts defaults = DefaultDataFileTexts();
    DataFileTexts texts = defaults;
    // Entries missing from the current list come from the untranslated one,
    // then from the built-in German text.
    auto pick = [&](int index, const std::string& fallback) {
        return Entry(current, index, Entry(untranslated, index, fallback));
    };
    for (const auto& info : AllFields()) {
        const int index = HeaderIndex(info.field);
        if (index >= 0)
            texts.headers[Index(info.field)] = pick(index, defaults.headers[Index(info.field)]);
    }
    if (meanRadiantHeader)
        texts.headers[Index(Field::GT)] = pick(kMeanRadiantHeaderIndex, kMeanRadiantHeader);
    for (int i = 0; i < 3; ++i)
        texts.ratingWords[static_cast<std::size_t>(i)] =
            pick(kFirstRatingWordIndex + i, defaults.ratingWords[static_cast<std::size_t>(i)]);
    texts.temperatureMarks = Marks(current, untranslated, kTemperatureMarkIndex, "Temp");
    texts.airVelocityMarks = Marks(current, untranslated, kAirVelocityMarkIndex, "Luftgeschw");
    texts.luminanceMarks = Marks(current, untranslated, kLuminanceMarkIndex, "LD-Schwarz");
    texts.loadFailed = pick(kLoadFailedIndex, defaults.loadFailed);
    texts.saveFailed = pick(kSaveFailedIndex, defaults.saveFailed);
    texts.noExcelFiles = pick(kNoExcelFirstIndex, "Diese Programmversion kann leider keine") + "\r\n" +
                         pick(kNoExcelSecondIndex, "Excel-5-Dateien laden.");
    texts.defaultTitle = pick(kDefaultTitleIndex, defaults.defaultTitle);
    texts.errorCaption = pick(kErrorCaptionIndex, defaults.errorCaption);
    texts.dataFileType = pick(kDataFileTypeIndex, defaults.dataFileType);
    texts.csvFileType = pick(kCsvFileTypeIndex, defaults.csvFileType);
    texts.spreadsheetFileType = pick(kSpreadsheetFileTypeIndex, defaults.spreadsheetFileType);
    return texts;
}

RateFunction RateAgainstPCTypes()
{
    return [](const std::string& typeText, int quantity, const std::string& valueText) {
        return static_cast<int>(RateValue(PCTypeIndex(typeText), quantity, valueText));
    };
}

} // namespace vamok
