#pragma once
// Where the engine's messages go: the parser's "Warning Tag Block is
// Incomplete" (a message box in the dialog) and warnings about parts of a
// drawing that were left out; a stderr line each in the command line.
#include <string>

class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    // Something of the drawing was left out, with the reason ("picture
    // logo.png left out: HTTP 404"). Front ends that do not tell warnings
    // apart show it as any other message.
    virtual void Warn(const std::string& text) { ShowMessage(text); }
};
