#include "geometry/path_commands.h"

#include <algorithm>

#include "base/text.h"
#include "geometry/path_numbers.h"

namespace vx {

namespace {

// How many numbers a command takes; 0 for texts that are no command.
int ArgumentCount(const std::string& command) {
    if (command.size() != 1) return 0;
    switch (command[0]) {
        case 'A': case 'a': return 7;
        case 'M': case 'm': case 'L': case 'l': case 'T': case 't': return 2;
        case 'H': case 'h': case 'V': case 'v': return 1;
        case 'C': case 'c': return 6;
        case 'S': case 's': case 'Q': case 'q': return 4;
        default: return 0;
    }
}

bool IsBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return IsSpace(c); });
}

// A closepath letter at the front closes the subpath and is dropped with the
// blanks after it.
void DropLeadingClosepath(std::string_view& text, int& closePending) {
    if (text.empty() || !IsClosepath(text[0])) return;
    text = TrimLeftView(text.substr(1));
    closePending = 1;
}

// "z M" left in front of a command: the closepath was already seen by the
// number scan, so only the command letter counts.
void DropClosepathBeforeLetter(std::string& command) {
    if (command.size() < 2) return;
    command = std::string(TrimView(command));
    for (size_t i = 0; i + 1 < command.size(); ++i) {
        if (IsClosepath(command[i]) && IsPathSpace(command[i + 1])) {
            command.erase(0, 2);
            return;
        }
    }
}

}  // namespace

bool TakeLeadingClosepaths(std::string_view& rest) {
    std::string_view text = TrimLeftView(rest);
    if (text.empty() || !IsClosepath(text[0])) return false;
    while (!text.empty() && (IsClosepath(text[0]) || IsSpace(text[0]))) text.remove_prefix(1);
    rest = text;
    return true;
}

std::string_view RepeatedCommand(const std::string& previous) {
    if (previous == "M") return "L";
    if (previous == "m") return "l";
    // An unknown command is ignored however often it repeats; a short stand-in
    // keeps a long unknown text from being copied again for every repeat.
    return previous.empty() || ArgumentCount(previous) > 0 ? std::string_view(previous) : "?";
}

bool NextPathCommand(std::string_view& rest, std::string& command, std::string_view& args,
                     CPathCutState state, bool allowContinuation) {
    // Numbers that follow on after a ",", a sign or a point (".5.5" packed
    // after the last argument) repeat the previous command; its letter stands
    // in front of the rest without copying the rest.
    std::string_view prefix;
    if (allowContinuation && !rest.empty() && !state.previous.empty() &&
        (rest[0] == ',' || IsPathSign(rest[0]) || rest[0] == '.')) {
        prefix = RepeatedCommand(state.previous);
        if (rest[0] == ',') rest.remove_prefix(1);
        DropLeadingClosepath(prefix, state.closePending);
        if (prefix.empty()) rest = TrimLeftView(rest);
    } else {
        DropLeadingClosepath(rest, state.closePending);
    }
    const size_t total = prefix.size() + rest.size();
    auto at = [&](size_t k) { return k < prefix.size() ? prefix[k] : rest[k - prefix.size()]; };
    size_t i = 0;
    while (i < total && IsNumberChar(at(i))) ++i;
    size_t j = i + 1;
    while (j < total && !IsNumberChar(at(j))) ++j;
    if (j >= total) return false;  // text after the last number is never a command
    const size_t taken = std::max(j, prefix.size()) - prefix.size();
    command.assign(prefix.data(), prefix.size());
    command.append(rest.data(), taken);
    rest.remove_prefix(taken);
    DropClosepathBeforeLetter(command);
    if (command.empty()) command = " ";
    args = SplitCommandArguments(command, rest, state);
    return true;
}

std::string_view SplitCommandArguments(std::string& command, std::string_view& rest,
                                       CPathCutState state) {
    if (IsBlank(command)) command = std::string(RepeatedCommand(state.previous));
    const int count = ArgumentCount(command);
    if (count == 0) {
        size_t end = 0;
        while (end < rest.size() && IsNumberChar(rest[end])) ++end;
        const std::string_view args = rest.substr(0, end);
        rest.remove_prefix(end);
        return args;
    }
    if (rest.empty()) return {};
    const bool arc = command == "A" || command == "a";
    const std::ptrdiff_t k =
        FindNumbersEnd(rest, count, state.closePending, arc ? kArcFlags : FlagPositions(0));
    const bool cubic = command == "C" || command == "c";
    if (k > 0) {
        const std::string_view args = rest.substr(0, size_t(k));
        rest.remove_prefix(size_t(k));
        return args;
    }
    if (cubic && k == -2) {
        // A closepath right after the first pair: the cubic is a line to that pair.
        command = command == "C" ? "L" : "l";
        return SplitCommandArguments(command, rest, state);
    }
    if (k == -1 || cubic) {
        const std::string_view args = rest;
        rest = {};
        return args;
    }
    return {};  // the command fails; its numbers are read as the next command text
}

}  // namespace vx
