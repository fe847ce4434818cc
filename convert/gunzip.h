#pragma once
// Reading gzip-compressed drawings (.svgz) within bounds that no real drawing
// comes near, so that a small hostile file cannot fill the memory.
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

constexpr uint64_t kMaxInflatedBytes = uint64_t(1) << 30;
// Real drawings compress ten to one at most; deflate cannot exceed about 1030.
constexpr uint64_t kMaxInflateRatio = 1000;

// The gzip magic bytes 1f 8b at the start.
bool IsGzip(std::string_view bytes);

// Inflates every gzip member of compressed into inflated (bytes after the last
// member are ignored, as gzip does). False, with the reason in failure, when a
// member is corrupt or cut off, or when the result would exceed 1 GiB or 1000
// times the compressed size. Throws std::bad_alloc when zlib finds no memory.
bool Gunzip(std::string_view compressed, std::string& inflated, std::string& failure);

}  // namespace vx
