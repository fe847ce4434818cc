#include "dxf/shapes/image_source.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "convert/text.h"
#include "dxf/dxf_sink.h"
#include "dxf/shapes/image_names.h"
#include "platform/base64.h"
#include "platform/download.h"

namespace fs = std::filesystem;

namespace {

std::string StoreDownload(std::string_view url, const CImageStore& store) {
    if (!store.fetch->allowNetwork) return {};
    const std::string_view name = vx::UrlFileName(url);
    if (!vx::IsStorableName(name)) return {};
    std::string target(store.folder);
    target += name;
    CDownloadLimits limits;
    limits.timeoutSeconds = store.fetch->timeoutSeconds;
    limits.maxBytes = store.fetch->maxBytes;
    limits.maxRedirects = store.fetch->maxRedirects;
    limits.caFile = std::string(store.caFile);
    return DownloadUrlToFile(std::string(url), target, limits) == 0 ? target : std::string();
}

// The file extension for the media type of a "data:<type>;base64," header.
std::string_view EmbeddedExtension(std::string_view header) {
    const size_t semicolon = header.rfind(';');
    if (semicolon == std::string_view::npos || !vx::EqualsNoCase(header.substr(semicolon + 1), "base64"))
        return {};
    const std::string_view type = header.substr(0, header.find(';'));
    if (vx::EqualsNoCase(type, "image/png")) return ".png";
    if (vx::EqualsNoCase(type, "image/jpeg") || vx::EqualsNoCase(type, "image/jpg")) return ".jpg";
    return {};
}

bool WriteWholeFile(const std::string& target, std::string_view content) {
    CFileSink sink;
    return sink.Open(target) && sink.Write(content.data(), content.size()) && sink.Commit();
}

std::string StoreEmbedded(std::string_view reference, const CImageStore& store) {
    const std::string_view data = reference.substr(5);  // after "data:"
    const size_t comma = data.find(',');
    if (comma == std::string_view::npos) return {};
    const std::string_view extension = EmbeddedExtension(data.substr(0, comma));
    std::string bytes;
    if (extension.empty() ||
        !DecodeBase64(data.substr(comma + 1), static_cast<size_t>(store.fetch->maxBytes), bytes) ||
        bytes.empty())
        return {};
    std::string target(store.folder);
    target += store.drawingName;
    target += "-image";
    target += std::to_string(store.imageNumber);
    target += extension;
    return WriteWholeFile(target, bytes) ? target : std::string();
}

// The file that a local reference names: "file:" addresses (of this host), and
// paths that are absolute or relative to the SVG's folder. Empty when none.
std::string LocalSourcePath(std::string_view reference, std::string_view inputPath) {
    std::string_view path = vx::WithoutQuery(reference);
    const bool fileAddress = vx::StartsWithNoCase(path, "file:");
    if (fileAddress) {
        path.remove_prefix(5);
        if (path.substr(0, 2) == "//") {
            path.remove_prefix(2);
            const size_t hostEnd = path.find('/');
            const std::string_view host = path.substr(0, hostEnd);
            if (hostEnd == std::string_view::npos || (!host.empty() && !vx::EqualsNoCase(host, "localhost")))
                return {};
            path.remove_prefix(hostEnd);
        }
    } else if (path.find(':') != std::string_view::npos &&
               path.find(':') < path.find('/')) {
        return {};  // another scheme (ftp:, mailto:, ...) names nothing on this disk
    }
    std::string decoded;
    if (!vx::PercentDecode(path, decoded) || decoded.empty()) return {};
    if (decoded[0] == '/') return decoded;
    if (fileAddress) return {};
    const size_t slash = inputPath.rfind('/');
    return std::string(inputPath.substr(0, slash == std::string_view::npos ? 0 : slash + 1)) + decoded;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

struct CFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Copies source to target, refusing anything larger than maxBytes or that is
// no picture: an SVG must not be able to copy arbitrary local files out.
bool CopyPicture(const std::string& source, const std::string& target, long long maxBytes) {
    std::error_code error;
    if (!fs::is_regular_file(source, error)) return false;
    const auto size = fs::file_size(source, error);
    if (error || static_cast<long long>(size) > maxBytes) return false;
    std::unique_ptr<std::FILE, CFileCloser> in(std::fopen(source.c_str(), "rb"));
    if (!in) return false;
    CFileSink sink;
    if (!sink.Open(target)) return false;
    char block[1 << 16];
    long long copied = 0;
    size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, in.get())) > 0) {
        if (copied == 0 && !vx::LooksLikeRasterImage(std::string_view(block, got))) return false;
        copied += static_cast<long long>(got);
        if (copied > maxBytes || !sink.Write(block, got)) return false;
    }
    return copied > 0 && !std::ferror(in.get()) && sink.Commit();
}

std::string StoreLocalCopy(std::string_view reference, const CImageStore& store) {
    const std::string source = LocalSourcePath(reference, store.inputPath);
    const std::string_view name = vx::LastSegment(source);
    if (source.empty() || !vx::IsStorableName(name)) return {};
    std::string target(store.folder);
    target += name;
    // A picture already in the image folder (the SVG sits in the output folder) stays as it is.
    if (SameFile(source, target)) return target;
    return CopyPicture(source, target, store.fetch->maxBytes) ? target : std::string();
}

}  // namespace

std::string StoreImageFile(std::string_view href, const CImageStore& store) {
    const std::string_view reference = vx::TrimView(href);
    if (reference.empty() || !store.fetch) return {};
    if (vx::StartsWithNoCase(reference, "http://") || vx::StartsWithNoCase(reference, "https://"))
        return StoreDownload(reference, store);
    if (vx::StartsWithNoCase(reference, "data:")) return StoreEmbedded(reference, store);
    return StoreLocalCopy(reference, store);
}
