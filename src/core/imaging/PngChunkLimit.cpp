#include "imaging/PngChunkLimit.h"

#include <unistd.h>

#include <cstring>

namespace {

constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t BigEndian32(const unsigned char* bytes) {
    return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
}

}  // namespace

Status PngMetadataWithinLimit(int fd, bool wholeFile) {
    unsigned char signature[sizeof kSignature];
    if (pread(fd, signature, sizeof signature, 0) != ssize_t{sizeof signature} ||
        std::memcmp(signature, kSignature, sizeof signature) != 0)
        return Status::Ok();
    off_t at = sizeof kSignature;
    unsigned char head[8];  // length and type
    while (pread(fd, head, sizeof head, at) == ssize_t{sizeof head}) {
        const uint32_t length = BigEndian32(head);
        const std::string type(reinterpret_cast<const char*>(head + 4), 4);
        if (type == "IEND" || (type == "IDAT" && !wholeFile))
            return Status::Ok();
        // A lower-case first letter marks a chunk the picture does not need.
        const bool metadata = head[4] >= 'a' && head[4] <= 'z';
        if (metadata && length > kMaxPngMetadataChunk) {
            return Status::Failed({}, "the " + type + " chunk of " + std::to_string(length) +
                                          " bytes is more than the " +
                                          std::to_string(kMaxPngMetadataChunk >> 20) +
                                          " MiB allowed for metadata");
        }
        at += off_t{12} + length;  // length, type, data, checksum
    }
    return Status::Ok();
}
