#pragma once
// Cutting path data into commands and their argument texts. The remaining
// text is a view that is advanced in place, so long data is read in one pass.
#include <string>
#include <string_view>

namespace vx {

// State the cutting shares with the parser: the previous command text and
// the converter's pending-closepath flag.
struct CPathCutState {
    const std::string& previous;
    int& closePending;
};

// The command that numbers without a letter repeat: a line-to after a moveto,
// else the previous command.
std::string_view RepeatedCommand(const std::string& previous);

// Whether command is one of the texts given ("C", "c", ...).
inline bool IsOneOf(const std::string& command, const char* a, const char* b, const char* c = "",
                    const char* d = "") {
    return command == a || command == b || command == c || command == d;
}

// A command that draws a segment: any known letter but a moveto's.
inline bool IsSegmentCommand(char letter) {
    for (char known : std::string_view("LlHhVvCcSsQqTtAa"))
        if (letter == known) return true;
    return false;
}

// SVG's reading of closepaths: when rest begins (after blanks) with closepath
// letters, they and the blanks among them are taken off and true is returned;
// else rest is left as it is.
bool TakeLeadingClosepaths(std::string_view& rest);

// Cuts the next command and its argument text off the front of rest. With
// allowContinuation false a leading "," or sign does not repeat the previous
// command (the caller clears it when the last command consumed nothing, so
// the cutting always moves on). False when no further command follows.
bool NextPathCommand(std::string_view& rest, std::string& command, std::string_view& args,
                     CPathCutState state, bool allowContinuation);

// The argument text of command, cut off the front of rest. A blank command
// becomes the previous one; a cubic cut short after one pair becomes a line.
std::string_view SplitCommandArguments(std::string& command, std::string_view& rest,
                                       CPathCutState state);

}  // namespace vx
