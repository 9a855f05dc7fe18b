#pragma once
// A scripted instrument and a hand-driven timer for the poller tests.
#include "device/CommandChannel.h"
#include "live/PollTimer.h"
#include "live/PresencePoller.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Answers each command with the next scripted reply for it, or with its
// standing reply, or with "". Records every command in order.
class ScriptedChannel : public vamok::CommandChannel {
public:
    std::string SendCommand(const std::string& command, const std::string&, int timeoutMs, int,
                            const std::string&) override
    {
        log.push_back(command);
        timeouts.push_back(timeoutMs);
        ++depth;
        if (depth > maxDepth)
            maxDepth = depth;
        if (duringSend)
            duringSend(command);
        --depth;
        auto& queue = scripted[command];
        if (!queue.empty()) {
            std::string r = queue.front();
            queue.pop_front();
            return r;
        }
        const auto it = standing.find(command);
        return it == standing.end() ? std::string() : it->second;
    }

    std::map<std::string, std::deque<std::string>> scripted;
    std::map<std::string, std::string> standing;
    std::vector<std::string> log;
    std::vector<int> timeouts;
    std::function<void(const std::string&)> duringSend;
    int depth = 0;
    int maxDepth = 0;
};

class ManualTimer : public vamok::PollTimer {
public:
    void start() override { active_ = true; ++starts; }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }
    void setInterval(int ms) override { interval_ = ms; }
    int interval() const override { return interval_; }
    void setHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

    // One timeout, as the event loop would deliver it; false when the timer
    // was not running.
    bool fire()
    {
        if (!active_ || !handler_)
            return false;
        handler_();
        return true;
    }

    int starts = 0;

private:
    bool active_ = false;
    int interval_ = 0;
    std::function<void()> handler_;
};

class RecordingHooks : public vamok::PollerHooks {
public:
    void SerialPanelChanged(const std::string& text) override { panel = text; }
    void NewInstrument() override { ++newInstruments; }
    void DiagnosticLine(int line, const std::string& text) override { diagnostics[line] = text; }
    void LiveValues(const vamok::TVamokAPDatenStrg& record) override { records.push_back(record); }
    bool TypeTransferRunning() const override { return typeTransfer; }

    std::string panel;
    int newInstruments = 0;
    std::map<int, std::string> diagnostics;
    std::vector<vamok::TVamokAPDatenStrg> records;
    bool typeTransfer = false;
};
