#include "dxf/shapes/image_source.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "base/text.h"
#include "dxf/shapes/image_names.h"
#include "platform/base64.h"
#include "platform/download.h"
#include "platform/output_sink.h"

namespace fs = std::filesystem;

namespace {

CImageFile Stored(std::string path) { return {std::move(path), {}}; }
CImageFile LeftOut(std::string reason) { return {{}, std::move(reason)}; }

std::string TooLarge(long long maxBytes) {
    constexpr long long kMiB = 1 << 20;
    if (maxBytes >= kMiB && maxBytes % kMiB == 0)
        return "larger than " + std::to_string(maxBytes / kMiB) + " MiB";
    return "larger than " + std::to_string(maxBytes) + " bytes";
}

std::string CannotWrite(const std::string& target, int error) {
    return "cannot write " + target + ": " + std::strerror(error ? error : EIO);
}

// Why a name cannot be a file in the image folder; empty when it can.
std::string NameProblem(std::string_view name) {
    if (name.empty()) return "no file name";
    return vx::IsStorableName(name) ? std::string() : std::string("unsafe name");
}

std::string DownloadFailure(const CDownloadResult& result, long long maxBytes) {
    switch (result.outcome) {
        case CDownloadResult::kHttpError: return "HTTP " + std::to_string(result.httpStatus);
        case CDownloadResult::kTimedOut: return "timed out";
        case CDownloadResult::kTooLarge: return TooLarge(maxBytes);
        default: return result.error;
    }
}

CImageFile StoreDownload(std::string_view url, const CImageStore& store) {
    if (!store.fetch.allowNetwork) return LeftOut("downloads are off");
    const std::string_view name = vx::UrlFileName(url);
    std::string problem = NameProblem(name);
    if (!problem.empty()) return LeftOut(std::move(problem));
    std::string target(store.folder);
    target += name;
    CDownloadLimits limits;
    limits.timeoutSeconds = store.fetch.timeoutSeconds;
    limits.maxBytes = store.fetch.maxBytes;
    limits.maxRedirects = store.fetch.maxRedirects;
    limits.caFile = std::string(store.caFile);
    const CDownloadResult result = DownloadUrlToFile(std::string(url), target, limits);
    if (!result.Stored()) return LeftOut(DownloadFailure(result, limits.maxBytes));
    return Stored(std::move(target));
}

// The file extension for the media type of a "data:<type>;base64," header.
std::string_view EmbeddedExtension(std::string_view header) {
    const std::string_view type = header.substr(0, header.find(';'));
    if (vx::EqualsNoCase(type, "image/png")) return ".png";
    if (vx::EqualsNoCase(type, "image/jpeg") || vx::EqualsNoCase(type, "image/jpg")) return ".jpg";
    return {};
}

bool IsBase64Header(std::string_view header) {
    const size_t semicolon = header.rfind(';');
    return semicolon != std::string_view::npos &&
           vx::EqualsNoCase(header.substr(semicolon + 1), "base64");
}

CImageFile WriteWholeFile(std::string target, std::string_view content) {
    CFileSink sink;
    if (sink.Open(target) && sink.Write(content.data(), content.size()) && sink.Commit())
        return Stored(std::move(target));
    return LeftOut(CannotWrite(target, sink.Error()));
}

CImageFile StoreEmbedded(std::string_view reference, const CImageStore& store) {
    const std::string_view data = reference.substr(5);  // after "data:"
    const size_t comma = data.find(',');
    if (comma == std::string_view::npos || !IsBase64Header(data.substr(0, comma)))
        return LeftOut("bad embedded data");
    const std::string_view extension = EmbeddedExtension(data.substr(0, comma));
    if (extension.empty()) return LeftOut("unsupported type");
    std::string bytes;
    if (!DecodeBase64(data.substr(comma + 1), static_cast<size_t>(store.fetch.maxBytes), bytes) ||
        bytes.empty())
        return LeftOut("bad embedded data");
    if (!vx::LooksLikeRasterImage(bytes)) return LeftOut("not a picture");
    std::string target(store.folder);
    target += store.drawingName;
    target += "-image";
    target += std::to_string(store.imageNumber);
    target += extension;
    return WriteWholeFile(std::move(target), bytes);
}

// The file that a local reference names: "file:" addresses (of this host), and
// paths that are absolute or relative to the SVG's folder.
CImageFile LocalSourcePath(std::string_view reference, std::string_view inputPath) {
    std::string_view path = vx::WithoutQuery(reference);
    const bool fileAddress = vx::StartsWithNoCase(path, "file:");
    if (fileAddress) {
        path.remove_prefix(5);
        if (path.substr(0, 2) == "//") {
            path.remove_prefix(2);
            const size_t hostEnd = path.find('/');
            const std::string_view host = path.substr(0, hostEnd);
            if (hostEnd == std::string_view::npos ||
                (!host.empty() && !vx::EqualsNoCase(host, "localhost")))
                return LeftOut("not on this computer");
            path.remove_prefix(hostEnd);
        }
    } else if (path.find(':') != std::string_view::npos &&
               path.find(':') < path.find('/')) {
        return LeftOut("unsupported address");  // ftp:, mailto:, ... name nothing on this disk
    }
    std::string decoded;
    if (!vx::PercentDecode(path, decoded)) return LeftOut("unsafe name");
    if (decoded.empty()) return LeftOut("no file name");
    if (decoded[0] == '/') return Stored(std::move(decoded));
    if (fileAddress) return LeftOut("unsupported address");
    const size_t slash = inputPath.rfind('/');
    return Stored(std::string(inputPath.substr(0, slash == std::string_view::npos ? 0 : slash + 1)) +
                  decoded);
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

struct CFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Why source cannot be copied as a picture; empty when it can.
std::string SourceProblem(const std::string& source, long long maxBytes) {
    std::error_code error;
    const fs::file_status status = fs::status(source, error);
    if (status.type() == fs::file_type::not_found) return "not found";
    if (error) return "cannot read: " + error.message();
    if (!fs::is_regular_file(status)) return "not a picture";
    const auto size = fs::file_size(source, error);
    if (error) return "cannot read: " + error.message();
    if (static_cast<long long>(size) > maxBytes) return TooLarge(maxBytes);
    return {};
}

// Copies source to target, refusing anything larger than maxBytes or that is
// no picture: an SVG must not be able to copy arbitrary local files out.
CImageFile CopyPicture(const std::string& source, std::string target, long long maxBytes) {
    std::string problem = SourceProblem(source, maxBytes);
    if (!problem.empty()) return LeftOut(std::move(problem));
    std::unique_ptr<std::FILE, CFileCloser> in(std::fopen(source.c_str(), "rb"));
    if (!in) return LeftOut(std::string("cannot read: ") + std::strerror(errno));
    CFileSink sink;
    if (!sink.Open(target)) return LeftOut(CannotWrite(target, sink.Error()));
    char block[1 << 16];
    long long copied = 0;
    size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, in.get())) > 0) {
        if (copied == 0 && !vx::LooksLikeRasterImage(std::string_view(block, got)))
            return LeftOut("not a picture");
        copied += static_cast<long long>(got);
        if (copied > maxBytes) return LeftOut(TooLarge(maxBytes));
        if (!sink.Write(block, got)) return LeftOut(CannotWrite(target, sink.Error()));
    }
    if (std::ferror(in.get())) return LeftOut(std::string("cannot read: ") + std::strerror(EIO));
    if (copied == 0) return LeftOut("not a picture");
    if (!sink.Commit()) return LeftOut(CannotWrite(target, sink.Error()));
    return Stored(std::move(target));
}

CImageFile StoreLocalCopy(std::string_view reference, const CImageStore& store) {
    CImageFile source = LocalSourcePath(reference, store.inputPath);
    if (source.path.empty()) return source;
    const std::string_view name = vx::LastSegment(source.path);
    std::string problem = NameProblem(name);
    if (!problem.empty()) return LeftOut(std::move(problem));
    std::string target(store.folder);
    target += name;
    // A picture already in the image folder (the SVG sits in the output folder) stays as it is.
    if (SameFile(source.path, target)) return Stored(std::move(target));
    return CopyPicture(source.path, std::move(target), store.fetch.maxBytes);
}

}  // namespace

CImageFile StoreImageFile(std::string_view href, const CImageStore& store) {
    const std::string_view reference = vx::TrimView(href);
    if (reference.empty()) return LeftOut("no reference");
    if (vx::StartsWithNoCase(reference, "http://") || vx::StartsWithNoCase(reference, "https://"))
        return StoreDownload(reference, store);
    if (vx::StartsWithNoCase(reference, "data:")) return StoreEmbedded(reference, store);
    return StoreLocalCopy(reference, store);
}
