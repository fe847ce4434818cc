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
