#include "measure/RowJson.h"

#include "core/Cp1252.h"

#include <cstdio>

namespace vamok {

std::string JsonString(const std::string& cp1252)
{
    std::string out = "\"";
    for (const char c : FromCp1252(cp1252).toUtf8().toStdString()) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string RowTextsJsonMembers(const RowTexts& texts)
{
    std::string members;
    for (const FieldInfo& info : AllFields()) {
        if (!members.empty())
            members += ", ";
        members += std::string("\"") + info.name + "\": " + JsonString(texts[info.field]);
    }
    return members;
}

std::string RowTextsJson(int n, const RowTexts& texts)
{
    return "{\"row\": " + std::to_string(n) + ", " + RowTextsJsonMembers(texts) + "}";
}

} // namespace vamok
