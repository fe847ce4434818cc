#include "cli/input_list.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "cli/interrupts.h"

int ReadAll(int fd, std::string& content) {
    char block[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got == 0) return 0;
        if (got > 0) {
            content.append(block, size_t(got));
        } else if (errno != EINTR || InterruptFlag().load()) {
            return errno;
        }
    }
}

int ReadNameList(const std::string& path, bool nulSeparated, std::vector<std::string>& names) {
    std::string list;
    const int fd = path == "-" ? 0 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int error = ReadAll(fd, list);
    if (fd != 0) ::close(fd);
    if (error) return error;
    const char separator = nulSeparated ? '\0' : '\n';
    std::string_view rest(list);
    while (!rest.empty()) {
        const size_t end = std::min(rest.find(separator), rest.size());
        std::string_view name = rest.substr(0, end);
        // A list made on Windows ends its lines with CR LF.
        if (!nulSeparated && !name.empty() && name.back() == '\r') name.remove_suffix(1);
        if (!name.empty()) names.emplace_back(name);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return 0;
}
