#include "ui/HeadlessImageLoader.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace ui {

std::shared_ptr<LoadedImage> HeadlessImageLoader::Load(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return nullptr;
    std::array<unsigned char, 24> header{};
    const size_t got = std::fread(header.data(), 1, header.size(), file);
    std::fclose(file);
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (got < header.size() || std::memcmp(header.data(), signature, 8) != 0 || std::memcmp(&header[12], "IHDR", 4) != 0)
        return nullptr;
    auto be32 = [&](size_t at) {
        return static_cast<int>((static_cast<uint32_t>(header[at]) << 24) | (static_cast<uint32_t>(header[at + 1]) << 16) |
                                (static_cast<uint32_t>(header[at + 2]) << 8) | header[at + 3]);
    };
    const int width = be32(16);
    const int height = be32(20);
    if (width <= 0 || height <= 0)
        return nullptr;
    return std::make_shared<LoadedImage>(width, height);
}

} // namespace ui
