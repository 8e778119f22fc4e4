// libFuzzer target: any bytes given to LoadFromFile are refused with a
// message or read into a consistent bitmap, without any memory error; what
// was read can be walked, reduced and saved.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "IndexedBitmap.h"

namespace {

const std::string& ScratchPath() {
    static const std::string path = "/tmp/quillmere-fuzz-" + std::to_string(getpid()) + ".bmp";
    return path;
}

uint32_t Le(const uint8_t* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

// Inputs declaring pictures above 16 MiB only exercise zeroing big blocks
// (limits have their own unit tests): skipped to keep the fuzzer fast.
bool DeclaresHugePicture(const uint8_t* data, size_t size) {
    const size_t at = size >= 2 && data[0] == 'B' && data[1] == 'M' ? 14 : 0;
    if (size < at + 16) return false;
    const uint8_t* h = data + at;
    const bool core = Le(h, 4) == 12;
    const int64_t width = core ? Le(h + 4, 2) : int32_t(Le(h + 4, 4));
    const int64_t height = core ? Le(h + 6, 2) : int32_t(Le(h + 8, 4));
    const uint64_t pixels = uint64_t(width < 0 ? -width : width) * uint64_t(height < 0 ? -height : height);
    return pixels > (uint64_t{4} << 20);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (DeclaresHugePicture(data, size)) return 0;
    std::FILE* file = std::fopen(ScratchPath().c_str(), "wb");
    if (file == nullptr) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    IndexedBitmap bmp;
    if (!bmp.LoadFromFile(ScratchPath(), 0)) {
        if (bmp.LastError().empty() || bmp.Block() != nullptr) __builtin_trap();
        return 0;
    }
    if (bmp.Width() <= 0 || bmp.Height() <= 0) __builtin_trap();
    // Walking huge (mostly unread) blocks would only slow the fuzzer down.
    uint32_t sum = 0;
    const uint32_t walk = bmp.BlockBytes() < (16u << 20) ? bmp.BlockBytes() : 4096;
    for (uint32_t i = 0; i < walk; ++i) sum += bmp.Block()[i];
    // Reduce only small pictures, to keep the fuzzer fast.
    if (uint64_t(bmp.Width()) * uint64_t(bmp.Height()) <= 4096) {
        bmp.ReduceColourDepth(bmp.BitCount() > 4 ? 4 : 1, true, nullptr, sum % 3);
        bmp.SaveToFile("/dev/null", 0);
    }
    return 0;
}
