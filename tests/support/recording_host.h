#pragma once
// A Host for tests: records every message and progress call, and asks to stop after
// a chosen number of cancelRequested() polls. A fatal stop unwinds to the test
// (fatalStopOf catches it).

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/host.h"

namespace tw::test {

struct RecordedMessage {
    std::string text;
    std::string caption;
    bool operator==(const RecordedMessage&) const = default;
};

class RecordingHost : public Host {
public:
    std::vector<RecordedMessage> messages;
    std::vector<int> progress;
    int cancelPolls = 0;
    int cancelAfterPolls = -1;  // -1: never ask to stop
    int startWindowClosed = 0;
    CalendarDate date{2026, 12, 7};

    void message(std::string_view text, std::string_view caption) override {
        messages.push_back({std::string(text), std::string(caption)});
    }
    void showProgress(int generation) override { progress.push_back(generation); }
    bool cancelRequested() override {
        ++cancelPolls;
        return cancelAfterPolls >= 0 && cancelPolls > cancelAfterPolls;
    }
    void closeStartWindow() override { ++startWindowClosed; }
    CalendarDate today() override { return date; }
    // Files the core asked to write, by path: kept here, never on disk.
    std::map<std::string, std::string> files;
    bool writeFile(const std::string& path, std::string_view text) override {
        files[path] = std::string(text);
        return true;
    }
    void removeFile(const std::string& path) override { files.erase(path); }
};

// The fatal stop a call ends with; none when it returns.
template <class Call>
std::optional<FatalStop> fatalStopOf(Call&& call) {
    try {
        call();
    } catch (const FatalStop& stop) {
        return stop;
    }
    return std::nullopt;
}

}  // namespace tw::test
