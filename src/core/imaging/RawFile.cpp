#include "imaging/RawFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <memory>
#include <string_view>
#include <utility>

#include <libraw/libraw.h>

#include "imaging/RawReader.h"

namespace {

// The LibRaw object this thread keeps between files (RawReader).
thread_local std::unique_ptr<LibRaw> spareRaw;

}  // namespace

bool MayBeRaw(int fd) {
    unsigned char head[16] = {};
    if (pread(fd, head, sizeof head, 0) < 12)
        return false;
    const auto starts = [&](std::string_view magic, std::size_t at = 0) {
        return std::memcmp(head + at, magic.data(), magic.size()) == 0;
    };
    using namespace std::string_view_literals;
    if (starts("\xFF\xD8"sv) || starts("\x89PNG"sv) || starts("GIF8"sv) || starts("BM"sv) ||
        starts("\xFF\x0A"sv) || starts("\0\0\0\x0CJXL "sv) || (starts("RIFF"sv) && starts("WEBP"sv, 8)))
        return false;
    // ISO media files: HEIF and AVIF are pictures libvips reads; a Canon
    // CR3 is the same container with its own brand.
    if (starts("ftyp", 4))
        return starts("crx "sv, 8);
    return true;
}

std::string RawErrorText(int code) {
    switch (code) {
    case LIBRAW_FILE_UNSUPPORTED: return "not a camera RAW file LibRaw knows";
    case LIBRAW_REQUEST_FOR_NONEXISTENT_IMAGE: return "the file holds no such picture";
    case LIBRAW_OUT_OF_ORDER_CALL: return "the RAW file was read out of order";
    case LIBRAW_NO_THUMBNAIL: return "the file has no embedded preview";
    case LIBRAW_UNSUPPORTED_THUMBNAIL: return "the embedded preview is of a kind that cannot be read";
    case LIBRAW_INPUT_CLOSED: return "the file was closed while it was read";
    case LIBRAW_NOT_IMPLEMENTED: return "this kind of RAW file cannot be developed";
    case LIBRAW_UNSUFFICIENT_MEMORY: return "out of memory";
    case LIBRAW_DATA_ERROR: return "the raw data is damaged";
    case LIBRAW_IO_ERROR: return "the raw data is incomplete";
    case LIBRAW_CANCELLED_BY_CALLBACK: return "cancelled";
    case LIBRAW_BAD_CROP: return "the RAW file states a crop outside its picture";
    case LIBRAW_TOO_BIG: return "the RAW picture is larger than the program works with";
    default: break;
    }
    const char* text = libraw_strerror(code);
    return text ? text : "LibRaw error " + std::to_string(code);
}

RawReader::RawReader()
    : raw_(spareRaw ? std::move(spareRaw) : std::make_unique<LibRaw>(LIBRAW_OPTIONS_NONE)) {}

RawReader::~RawReader() {
    // Frees the file's buffers and closes it; the object is kept.
    raw_->recycle();
    if (!spareRaw)
        spareRaw = std::move(raw_);
}

void RawReader::DataError(void* self, const char*, const int offset) {
    // LibRaw calls with offset -1 when its reads ran past the end of the file.
    auto* reader = static_cast<RawReader*>(self);
    if (offset < 0)
        reader->truncated_ = true;
    else
        reader->damaged_ = true;
}

int RawReader::Open(const std::string& path, int fd) {
    if (!MayBeRaw(fd))
        return LIBRAW_FILE_UNSUPPORTED;
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return LIBRAW_IO_ERROR;
    fileBytes_ = static_cast<uint64_t>(st.st_size);
    truncated_ = damaged_ = false;
    raw_->set_dataerror_handler(&RawReader::DataError, this);
    stream_ = std::make_unique<RawStream>(fd, int64_t(st.st_size), path);
    const int code = raw_->open_datastream(stream_.get());
    if (code != LIBRAW_SUCCESS)
        return code;
    const libraw_data_t& data = raw_->imgdata;
    if (data.sizes.width == 0 || data.sizes.height == 0 || data.idata.colors == 0)
        return LIBRAW_FILE_UNSUPPORTED;
    return LIBRAW_SUCCESS;
}

bool RawReader::RawDataCut() const {
    const auto& unpacker = raw_->get_internal_data_pointer()->unpacker_data;
    return unpacker.data_offset > 0 &&
           uint64_t(unpacker.data_offset) + uint64_t(unpacker.data_size) > fileBytes_;
}

bool RawReader::QuarterTurned() const {
    const int flip = raw_->imgdata.sizes.flip;
    return flip == 5 || flip == 6;
}

std::string RawReader::DataProblem() const {
    if (truncated_)
        return "the raw data is incomplete";
    if (damaged_)
        return "the raw data is damaged";
    return {};
}

void RawReader::Facts(RawFacts& facts) const {
    const libraw_data_t& data = raw_->imgdata;
    // The developed size: LibRaw stretches pixels that are not square.
    int32_t width = data.sizes.width, height = data.sizes.height;
    if (data.sizes.pixel_aspect > 1.0001)
        width = static_cast<int32_t>(width * data.sizes.pixel_aspect + 0.5);
    else if (data.sizes.pixel_aspect < 0.9999 && data.sizes.pixel_aspect > 0)
        height = static_cast<int32_t>(height / data.sizes.pixel_aspect + 0.5);
    int32_t previewWidth = data.thumbnail.twidth, previewHeight = data.thumbnail.theight;
    if (data.thumbnail.tlength == 0)
        previewWidth = previewHeight = 0;
    if (QuarterTurned()) {
        std::swap(width, height);
        std::swap(previewWidth, previewHeight);
    }
    facts.width = width;
    facts.height = height;
    facts.previewWidth = previewWidth;
    facts.previewHeight = previewHeight;
    facts.timeTaken = static_cast<int64_t>(data.other.timestamp);
    facts.camera = data.idata.make;
    if (data.idata.model[0] != '\0')
        facts.camera += std::string(facts.camera.empty() ? "" : " ") + data.idata.model;
    facts.rawDataCut = RawDataCut();
}

bool ProbeRaw(const std::string& path, int fd, RawFacts& facts) {
    RawReader reader;
    if (reader.Open(path, fd) != LIBRAW_SUCCESS)
        return false;
    reader.Facts(facts);
    return facts.width > 0 && facts.height > 0;
}
