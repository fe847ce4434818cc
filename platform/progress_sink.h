#pragma once
// Where a conversion reports its progress: the dialog's text progress bar,
// the command line's terminal display, or a test's recorder.
#include <string>

class IProgressSink {
public:
    virtual ~IProgressSink() = default;
    virtual void Show(const std::string& text) = 0;  // make visible with this text
    virtual void SetPos(int percent) = 0;            // 0 to 100
    virtual void Hide() = 0;
};
