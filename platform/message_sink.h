#pragma once
// Where the engine's one message ("Warning Tag Block is Incomplete") goes:
// a message box in the dialog, a stderr line in the command line.
#include <string>

class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual void ShowMessage(const std::string& text) = 0;
};
