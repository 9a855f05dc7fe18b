#pragma once
// A TypeReporter that records every message and answers questions with a
// preset answer.
#include "types/TypeReporter.h"

#include <string>
#include <vector>

struct RecordingReporter : vamok::TypeReporter {
    struct Entry {
        std::string caption, text;
        bool question;
    };
    std::vector<Entry> entries;
    bool answer = true;

    void Message(const std::string& caption, const std::string& text) override
    {
        entries.push_back({caption, text, false});
    }
    bool AskYes(const std::string& caption, const std::string& text) override
    {
        entries.push_back({caption, text, true});
        return answer;
    }
    bool Saw(const std::string& fragment) const
    {
        for (const Entry& e : entries) {
            if (e.text.find(fragment) != std::string::npos)
                return true;
        }
        return false;
    }
};
