#pragma once
// Progress and message sinks that remember what they were told.
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "platform/progress_sink.h"

namespace vxtest {

class RecordingProgress : public IProgressSink {
public:
    void Show(const std::string& text) override { shown.push_back(text); visible = true; }
    void SetPos(int percent) override { positions.push_back(percent); }
    void Hide() override { visible = false; }

    std::vector<std::string> shown;
    std::vector<int> positions;
    bool visible = false;
};

class RecordingMessages : public IMessageSink {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

}  // namespace vxtest
