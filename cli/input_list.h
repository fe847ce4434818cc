#pragma once
// Reading inputs that do not come as file names: standard input and --files-from lists.
#include <string>
#include <vector>

// Everything from the descriptor up to its end: 0, or the errno of the failure
// (EINTR once the batch was interrupted while waiting).
int ReadAll(int fd, std::string& content);
// Appends the names listed in path ("-": standard input), one per line (a
// trailing CR dropped) or, with nulSeparated, each ended by NUL; empty names
// are skipped. 0 or errno.
int ReadNameList(const std::string& path, bool nulSeparated, std::vector<std::string>& names);
