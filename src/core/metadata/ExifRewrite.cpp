#include "metadata/ExifRewrite.h"

#include <cstdlib>

#include <libexif/exif-utils.h>

namespace {

bool HasTags(const ExifData& data) {
    for (const ExifContent* content : data.ifd)
        if (content && content->count > 0)
            return true;
    return false;
}

void Clear(ExifContent* content) {
    while (content->count > 0)
        exif_content_remove_entry(content, content->entries[content->count - 1]);
}

// Gives the tag, where the content has it, value in a fresh entry of the
// type libexif gives the tag (a SHORT orientation, LONG pixel sizes, which
// hold any size where the camera may have written a SHORT).
void Replace(ExifContent* content, ExifTag tag, uint32_t value, ExifByteOrder order) {
    ExifEntry* old = exif_content_get_entry(content, tag);
    if (!old)
        return;
    exif_content_remove_entry(content, old);
    ExifEntry* entry = exif_entry_new();
    if (!entry)
        return;
    exif_content_add_entry(content, entry);
    exif_entry_initialize(entry, tag);
    if (entry->data && entry->format == EXIF_FORMAT_SHORT)
        exif_set_short(entry->data, order, static_cast<ExifShort>(value));
    else if (entry->data && entry->format == EXIF_FORMAT_LONG)
        exif_set_long(entry->data, order, value);
    else
        exif_content_remove_entry(content, entry);
    exif_entry_unref(entry);
}

}  // namespace

ExifDataPtr FitExif(const std::string& block, bool dropLocation, int32_t width, int32_t height) {
    if (block.empty())
        return nullptr;
    ExifDataPtr data(exif_data_new());
    if (!data)
        return nullptr;
    // The tags as the camera wrote them: none added or corrected, unknown
    // ones and the maker note kept.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_set_option(data.get(), EXIF_DATA_OPTION_DONT_CHANGE_MAKER_NOTE);
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char*>(block.data()),
                        static_cast<unsigned int>(block.size()));
    if (!HasTags(*data))
        return nullptr;
    Clear(data->ifd[EXIF_IFD_1]);
    data->size = 0;  // the thumbnail is not written; libexif still frees it
    if (dropLocation)
        Clear(data->ifd[EXIF_IFD_GPS]);
    const ExifByteOrder order = exif_data_get_byte_order(data.get());
    Replace(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION, 1, order);
    Replace(data->ifd[EXIF_IFD_EXIF], EXIF_TAG_PIXEL_X_DIMENSION, static_cast<uint32_t>(width),
            order);
    Replace(data->ifd[EXIF_IFD_EXIF], EXIF_TAG_PIXEL_Y_DIMENSION, static_cast<uint32_t>(height),
            order);
    return data;
}

std::string ExifBlock(ExifData* data) {
    if (!data)
        return {};
    unsigned char* bytes = nullptr;
    unsigned int size = 0;
    exif_data_save_data(data, &bytes, &size);
    std::string block;
    if (bytes && size > 0)
        block.assign(reinterpret_cast<const char*>(bytes), size);
    std::free(bytes);  // libexif's default allocator
    return block;
}
