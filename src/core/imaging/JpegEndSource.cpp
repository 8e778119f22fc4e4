#include "imaging/JpegEndSource.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr unsigned char kStart[] = {0xFF, 0xD8, 0xFF};
constexpr unsigned char kEnd[] = {0xFF, 0xD9};

bool ReadAt(int fd, void* buffer, std::size_t size, off_t at) {
    return pread(fd, buffer, size, at) == static_cast<ssize_t>(size);
}

// The file and the marker after it, as one stream with a position.
struct MarkedFile {
    int fd = -1;
    gint64 fileSize = 0;
    gint64 position = 0;

    gint64 Size() const { return fileSize + gint64{sizeof kEnd}; }
};

void Free(gpointer data) {
    auto* file = static_cast<MarkedFile*>(data);
    close(file->fd);
    delete file;
}

gint64 Read(VipsSourceCustom*, void* buffer, gint64 length, gpointer data) {
    auto* file = static_cast<MarkedFile*>(data);
    if (length <= 0 || file->position >= file->Size())
        return 0;
    if (file->position < file->fileSize) {
        const gint64 want = std::min(length, file->fileSize - file->position);
        const ssize_t got = pread(file->fd, buffer, static_cast<std::size_t>(want), file->position);
        if (got < 0)
            return -1;
        file->position += got;
        return got;
    }
    const gint64 at = file->position - file->fileSize;
    const gint64 n = std::min(length, gint64{sizeof kEnd} - at);
    std::memcpy(buffer, kEnd + at, static_cast<std::size_t>(n));
    file->position += n;
    return n;
}

gint64 Seek(VipsSourceCustom*, gint64 offset, int whence, gpointer data) {
    auto* file = static_cast<MarkedFile*>(data);
    const gint64 base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? file->position : file->Size();
    if (base + offset < 0)
        return -1;
    file->position = base + offset;
    return file->position;
}

}  // namespace

bool StartsLikeJpeg(int fd) {
    unsigned char start[sizeof kStart];
    return ReadAt(fd, start, sizeof start, 0) && std::memcmp(start, kStart, sizeof start) == 0;
}

bool JpegLacksEndMarker(int fd) {
    struct stat st {};
    unsigned char end[sizeof kEnd];
    return fstat(fd, &st) == 0 && st.st_size >= off_t{sizeof kStart + sizeof kEnd} &&
           StartsLikeJpeg(fd) && ReadAt(fd, end, sizeof end, st.st_size - off_t{sizeof end}) &&
           std::memcmp(end, kEnd, sizeof end) != 0;
}

vips::VSource SourceWithEndMarker(int fd) {
    struct stat st {};
    auto* file = new MarkedFile;
    file->fd = dup(fd);
    file->fileSize = fstat(fd, &st) == 0 ? st.st_size : 0;
    VipsSourceCustom* custom = vips_source_custom_new();
    g_object_set_data_full(G_OBJECT(custom), "quillmere-marked-file", file, &Free);
    g_signal_connect(custom, "read", G_CALLBACK(&Read), file);
    g_signal_connect(custom, "seek", G_CALLBACK(&Seek), file);
    return vips::VSource(VIPS_SOURCE(custom));
}
