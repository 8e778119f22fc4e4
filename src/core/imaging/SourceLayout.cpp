#include "imaging/SourceLayout.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace {

uint32_t BigEndian(const unsigned char* bytes, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = value << 8 | bytes[i];
    return value;
}

// PNG: a plain file is read row by row; an interlaced one whole, at its
// own depth and channels.
SourceLayout PngLayout(const unsigned char* header) {
    SourceLayout layout;
    layout.kind = SourceLayout::Png;
    const unsigned depth = header[24], colourType = header[25], interlace = header[28];
    static constexpr unsigned kChannels[] = {1, 0, 3, 1, 2, 0, 4};
    const unsigned channels = colourType < 7 && kChannels[colourType] ? kChannels[colourType] : 4;
    layout.wholeBytesPerPixel = uint64_t{channels} * (depth > 8 ? 2 : 1);
    layout.streamed = interlace == 0;
    layout.deepSamples = depth > 8;
    return layout;
}

// JPEG: a baseline file is decoded a band of rows at a time; a progressive
// one keeps every DCT coefficient of the whole picture, whatever the shrink.
SourceLayout JpegLayout(int fd) {
    SourceLayout layout;
    layout.kind = SourceLayout::Jpeg;
    layout.wholeBytesPerPixel = 3;
    layout.streamed = true;
    off_t at = 2;
    unsigned char marker[4];
    // Real files name their frame within a few markers; a hostile one
    // gets the baseline's estimate rather than a long walk.
    for (int markers = 0; markers < 1024 &&
                          pread(fd, marker, sizeof marker, at) == ssize_t{sizeof marker} &&
                          marker[0] == 0xFF;
         ++markers) {
        const unsigned code = marker[1];
        if (code == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD9)) {  // no length
            at += 2;
            continue;
        }
        const uint32_t length = BigEndian(marker + 2, 2);
        const bool frame = code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
        if (!frame) {
            at += 2 + off_t{length};
            continue;
        }
        unsigned char sof[6 + 3 * 255];
        const ssize_t got = pread(fd, sof, std::min<std::size_t>(length, sizeof sof), at + 4);
        if (got < 6)
            break;
        const uint64_t height = BigEndian(sof + 1, 2), width = BigEndian(sof + 3, 2);
        const unsigned components = std::min<unsigned>(sof[5], unsigned(got - 6) / 3);
        const bool progressive = (code & 3) == 2;  // C2, C6, CA, CE
        if (!progressive || components == 0)
            break;
        unsigned maxH = 1, maxV = 1;
        for (unsigned c = 0; c < components; ++c) {
            maxH = std::max(maxH, unsigned(sof[7 + 3 * c] >> 4));
            maxV = std::max(maxV, unsigned(sof[7 + 3 * c] & 15));
        }
        for (unsigned c = 0; c < components; ++c) {
            const uint64_t h = std::max(1u, unsigned(sof[7 + 3 * c] >> 4));
            const uint64_t v = std::max(1u, unsigned(sof[7 + 3 * c] & 15));
            const uint64_t blocksAcross = (width * h / maxH + 7) / 8;
            const uint64_t blocksDown = (height * v / maxV + 7) / 8;
            layout.coefficientBytes += blocksAcross * blocksDown * 64 * 2;
        }
        layout.streamed = false;
        break;
    }
    return layout;
}

}  // namespace

SourceLayout ReadSourceLayout(const std::string& path) {
    SourceLayout layout;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return layout;
    unsigned char header[32] = {};
    const ssize_t got = pread(fd, header, sizeof header, 0);
    if (got >= 29 && std::memcmp(header, "\x89PNG\r\n\x1a\n", 8) == 0)
        layout = PngLayout(header);
    else if (got >= 3 && header[0] == 0xFF && header[1] == 0xD8 && header[2] == 0xFF)
        layout = JpegLayout(fd);
    else if (got >= 4 && (std::memcmp(header, "II*", 4) == 0 || std::memcmp(header, "MM\0*", 4) == 0)) {
        layout.streamed = true;     // TIFF: strips and tiles are read as needed
        layout.deepSamples = true;  // its depth is not read here
    } else {
        layout.wholeBytesPerPixel = 8;  // what any other loader may hold, 16 bits a channel
    }
    close(fd);
    return layout;
}
