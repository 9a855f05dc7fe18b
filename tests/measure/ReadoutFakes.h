#pragma once
// Stand-ins for the window side of a readout: a scripted command channel,
// a recording ReadoutUi and poller.
#include "device/CommandChannel.h"
#include "measure/MemoryReadout.h"

#include <functional>
#include <string>
#include <vector>

class ScriptedChannel : public vamok::CommandChannel {
public:
    std::function<std::string(const std::string& command)> reply;
    std::vector<std::string> commands;

    std::string SendCommand(const std::string& command, const std::string& start, int timeoutMs,
                            int packetSize, const std::string& end) override
    {
        commands.push_back(command);
        lastStart = start;
        lastTimeout = timeoutMs;
        lastSize = packetSize;
        lastEnd = end;
        return reply ? reply(command) : std::string();
    }
    std::string lastStart, lastEnd;
    int lastTimeout = 0, lastSize = 0;
};

class RecordingUi : public vamok::ReadoutUi {
public:
    std::vector<std::string> events;
    bool continueAfterNoAnswer = true;
    bool overwrite = true;
    std::string overwriteRows;
    std::function<void(int)> onProgress;

    int count(const std::string& event) const
    {
        int n = 0;
        for (const auto& e : events)
            n += e == event;
        return n;
    }

    void TableCleared() override { events.push_back("cleared"); }
    bool ConfirmVentiqOverwrite(const std::string& rows) override
    {
        overwriteRows = rows;
        events.push_back("confirm");
        return overwrite;
    }
    void Begin(int from, int to) override
    {
        events.push_back("begin " + std::to_string(from) + " " + std::to_string(to));
    }
    void ShowProgress(int n) override
    {
        events.push_back("progress " + std::to_string(n));
        if (onProgress)
            onProgress(n);
    }
    void ShowBusy() override { events.push_back("busy"); }
    void CloseBusy() override { events.push_back("close"); }
    void RecordArrived() override { events.push_back("arrived"); }
    void RecordRejected() override { events.push_back("rejected"); }
    void ShowRow(int n) override { events.push_back("row " + std::to_string(n)); }
    void ShowTypeCell(int n) override { events.push_back("type " + std::to_string(n)); }
    void ReportDecodeError() override { events.push_back("error"); }
    bool AskContinueAfterNoAnswer() override
    {
        events.push_back("no answer");
        return continueAfterNoAnswer;
    }
    void Finished(int from, int to) override
    {
        events.push_back("finished " + std::to_string(from) + " " + std::to_string(to));
    }
};

class RecordingPoller : public vamok::PollerControl {
public:
    int parked = 0;
    int resumed = 0;
    void Park() override { ++parked; }
    void Resume() override { ++resumed; }
};
