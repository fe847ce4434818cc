#include "dxf/shapes/image_names.h"

#include "base/text.h"

namespace vx {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

std::string_view WithoutQuery(std::string_view reference) {
    return reference.substr(0, reference.find_first_of("?#"));
}

std::string_view UrlFileName(std::string_view url) {
    const std::string_view address = WithoutQuery(url);
    const size_t schemeEnd = address.find("://");
    const size_t authority = schemeEnd == std::string_view::npos ? 0 : schemeEnd + 3;
    // "http://host" names a server, not a file.
    if (address.find('/', authority) == std::string_view::npos) return {};
    return LastSegment(address);
}

std::string_view LastSegment(std::string_view path) {
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool IsStorableName(std::string_view name) {
    if (name.empty() || name == "." || name == ".." || name.size() > 255) return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) return false;
    }
    return true;
}

static int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool PercentDecode(std::string_view text, std::string& out) {
    out.clear();
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out.push_back(text[i]);
            continue;
        }
        const int high = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
        const int low = high < 0 ? -1 : HexValue(text[i + 2]);
        if (low < 0 || (high == 0 && low == 0)) return false;
        out.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return true;
}

std::string DrawingName(std::string_view outputPath) {
    std::string_view name = LastSegment(outputPath);
    if (name.size() > 4 && EqualsNoCase(name.substr(name.size() - 4), ".dxf"))
        name.remove_suffix(4);
    return name.empty() ? std::string("drawing") : std::string(name);
}

std::string ShortReference(std::string_view reference) {
    // Embedded data says little after its media type; an address keeps its file name.
    const size_t kShown = StartsWithNoCase(reference, "data:") ? 40 : 200;
    std::string shown(reference.substr(0, kShown));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    if (reference.size() > kShown) shown += "...";
    return shown;
}

bool LooksLikeRasterImage(std::string_view head) {
    static constexpr std::string_view kSignatures[] = {
        std::string_view("\x89PNG\r\n\x1A\n", 8), "\xFF\xD8\xFF", "GIF87a", "GIF89a", "BM",
        std::string_view("II*\0", 4), std::string_view("MM\0*", 4)};
    for (const std::string_view signature : kSignatures)
        if (head.substr(0, signature.size()) == signature) return true;
    return false;
}

}  // namespace vx
