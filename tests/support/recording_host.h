#pragma once
// A Host for tests: records every message and progress call, asks to stop after a
// chosen number of cancelRequested() polls, and ends the process on fatal() with
// the message on standard error (observe it with EXPECT_EXIT).

#include <cstdio>
#include <cstdlib>
#include <map>
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

protected:
    void showFatal(std::string_view text, std::string_view caption) override {
        std::fprintf(stderr, "%.*s: %.*s\n", int(caption.size()), caption.data(), int(text.size()), text.data());
        std::fflush(stderr);
    }
};

}  // namespace tw::test
