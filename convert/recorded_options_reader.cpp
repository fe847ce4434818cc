#include "convert/recorded_options_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace {

constexpr std::string_view kObjectsStart = "SECTION\n  2\nOBJECTS\n";
constexpr std::string_view kOptionsPrefix = "svg-rules=";
constexpr size_t kFirstTailBytes = 4096;

// One line of text from pos on, without its line end; pos moves past it.
std::string_view NextLine(std::string_view text, size_t& pos) {
    const size_t end = std::min(text.find('\n', pos), text.size());
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string_view Trimmed(std::string_view code) {
    while (!code.empty() && code.front() == ' ') code.remove_prefix(1);
    return code;
}

// The last bytes of the file, from offset size - bytes (or its start) to its end.
bool ReadTail(int fd, off_t size, size_t bytes, std::string& tail) {
    const off_t start = size > off_t(bytes) ? size - off_t(bytes) : 0;
    tail.resize(size_t(size - start));
    size_t used = 0;
    while (used < tail.size()) {
        const ssize_t got = ::pread(fd, &tail[used], tail.size() - used, start + off_t(used));
        if (got <= 0) return tail.clear(), false;
        used += size_t(got);
    }
    return true;
}

}  // namespace

CDxfRecord ParseDxfRecord(std::string_view text) {
    CDxfRecord record;
    const size_t objects = text.rfind(kObjectsStart);
    if (objects == text.npos) return record;
    size_t pos = objects + kObjectsStart.size();
    std::string_view object;  // the type of the object whose groups are read
    while (pos < text.size()) {
        const std::string_view code = Trimmed(NextLine(text, pos));
        const std::string_view value = NextLine(text, pos);
        if (code == "0") object = value;
        if (code != "1") continue;
        if (object == "IMAGEDEF") record.pictures.emplace_back(value);
        if (object == "XRECORD" && value.substr(0, kOptionsPrefix.size()) == kOptionsPrefix)
            record.optionsText.assign(value);
    }
    return record;
}

CDxfRecord ReadDxfRecord(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0) return {};
    std::string tail;
    // The OBJECTS section is small and last: a few KB hold it, unless the DXF
    // refers to many pictures; the tail grows until it holds the section's start.
    if (fstat(fd, &info) == 0) {
        for (size_t bytes = kFirstTailBytes; ReadTail(fd, info.st_size, bytes, tail); bytes *= 2) {
            if (tail.find(kObjectsStart) != tail.npos || off_t(tail.size()) >= info.st_size) break;
        }
    }
    ::close(fd);
    return ParseDxfRecord(tail);
}

bool DxfIsCurrent(const std::string& path, const std::string& optionsText) {
    const CDxfRecord record = ReadDxfRecord(path);
    if (record.optionsText.empty() || record.optionsText != optionsText) return false;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code error;
    for (const std::string& picture : record.pictures)
        if (!std::filesystem::exists(folder / picture, error)) return false;
    return true;
}
