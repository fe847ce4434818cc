#pragma once
// The command line's progress display (only on a terminal) and message output.
#include <cstdio>
#include <string>

#include "platform/message_sink.h"
#include "platform/progress_sink.h"

// Draws "[ 42%] path" on one stderr line, redrawn only when the value changes.
class CTerminalProgress : public IProgressSink {
public:
    void Show(const std::string& text) override;
    void SetPos(int percent) override;
    void Hide() override;

private:
    void Draw();
    std::string m_strText;
    int m_nPos = -1;
};

// The parser's warning becomes a line on stderr.
class CStderrMessages : public IMessageSink {
public:
    void ShowMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};
