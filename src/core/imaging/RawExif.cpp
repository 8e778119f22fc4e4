#include "imaging/RawExif.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>
#include <string>

#include <libexif/exif-data.h>

#include "metadata/ExifRewrite.h"

namespace {

// A new entry of tag in the directory, of format and count, its bytes zeroed.
ExifEntry* AddEntry(ExifData* data, ExifIfd ifd, ExifTag tag, ExifFormat format, unsigned count) {
    ExifEntry* entry = exif_entry_new();
    if (!entry)
        return nullptr;
    const unsigned size = exif_format_get_size(format) * count;
    entry->data = static_cast<unsigned char*>(calloc(1, size));
    if (!entry->data) {
        exif_entry_unref(entry);
        return nullptr;
    }
    entry->tag = tag;
    entry->format = format;
    entry->components = count;
    entry->size = size;
    exif_content_add_entry(data->ifd[ifd], entry);
    exif_entry_unref(entry);
    return entry;
}

void AddText(ExifData* data, ExifIfd ifd, ExifTag tag, const std::string& text) {
    if (text.empty())
        return;
    if (ExifEntry* entry = AddEntry(data, ifd, tag, EXIF_FORMAT_ASCII, unsigned(text.size() + 1)))
        std::memcpy(entry->data, text.c_str(), text.size() + 1);
}

void AddRationals(ExifData* data, ExifIfd ifd, ExifTag tag, std::initializer_list<double> values,
                  uint32_t denominator) {
    ExifEntry* entry = AddEntry(data, ifd, tag, EXIF_FORMAT_RATIONAL, unsigned(values.size()));
    if (!entry)
        return;
    const ExifByteOrder order = exif_data_get_byte_order(data);
    unsigned i = 0;
    for (const double value : values) {
        const ExifRational rational{static_cast<ExifLong>(std::lround(value * denominator)), denominator};
        exif_set_rational(entry->data + 8 * i++, order, rational);
    }
}

void AddShort(ExifData* data, ExifIfd ifd, ExifTag tag, unsigned value) {
    if (ExifEntry* entry = AddEntry(data, ifd, tag, EXIF_FORMAT_SHORT, 1))
        exif_set_short(entry->data, exif_data_get_byte_order(data), static_cast<ExifShort>(value));
}

std::string ExifDate(time_t when) {
    std::tm local{};
    if (when <= 0 || !localtime_r(&when, &local))
        return {};
    char text[20];
    std::strftime(text, sizeof text, "%Y:%m:%d %H:%M:%S", &local);
    return text;
}

void AddGps(ExifData* data, const libraw_gps_info_t& gps) {
    if (!gps.gpsparsed || (gps.latref != 'N' && gps.latref != 'S') ||
        (gps.longref != 'E' && gps.longref != 'W'))
        return;
    if (ExifEntry* version = AddEntry(data, EXIF_IFD_GPS, static_cast<ExifTag>(EXIF_TAG_GPS_VERSION_ID),
                                      EXIF_FORMAT_BYTE, 4)) {
        const unsigned char v[4] = {2, 2, 0, 0};
        std::memcpy(version->data, v, 4);
    }
    AddText(data, EXIF_IFD_GPS, static_cast<ExifTag>(EXIF_TAG_GPS_LATITUDE_REF), std::string(1, gps.latref));
    AddRationals(data, EXIF_IFD_GPS, static_cast<ExifTag>(EXIF_TAG_GPS_LATITUDE),
                 {gps.latitude[0], gps.latitude[1], gps.latitude[2]}, 10000);
    AddText(data, EXIF_IFD_GPS, static_cast<ExifTag>(EXIF_TAG_GPS_LONGITUDE_REF), std::string(1, gps.longref));
    AddRationals(data, EXIF_IFD_GPS, static_cast<ExifTag>(EXIF_TAG_GPS_LONGITUDE),
                 {gps.longitude[0], gps.longitude[1], gps.longitude[2]}, 10000);
    if (gps.altitude != 0) {
        if (ExifEntry* ref = AddEntry(data, EXIF_IFD_GPS, static_cast<ExifTag>(EXIF_TAG_GPS_ALTITUDE_REF),
                                      EXIF_FORMAT_BYTE, 1))
            ref->data[0] = static_cast<unsigned char>(gps.altref ? 1 : 0);
        AddRationals(data, EXIF_IFD_GPS, static_cast<ExifTag>(EXIF_TAG_GPS_ALTITUDE), {std::fabs(gps.altitude)},
                     100);
    }
}

}  // namespace

PictureMetadata RawCameraData(const LibRaw& raw) {
    const libraw_data_t& d = raw.imgdata;
    PictureMetadata metadata;
    if (d.idata.xmpdata && d.idata.xmplen > 0)
        metadata.xmp.assign(d.idata.xmpdata, d.idata.xmplen);

    ExifDataPtr data(exif_data_new());
    if (!data)
        return metadata;
    exif_data_set_byte_order(data.get(), EXIF_BYTE_ORDER_INTEL);
    ExifData* e = data.get();
    AddText(e, EXIF_IFD_0, EXIF_TAG_MAKE, d.idata.make);
    AddText(e, EXIF_IFD_0, EXIF_TAG_MODEL, d.idata.model);
    const std::string date = ExifDate(d.other.timestamp);
    AddText(e, EXIF_IFD_0, EXIF_TAG_DATE_TIME, date);
    AddText(e, EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL, date);
    if (d.other.shutter > 0) {
        // Long exposures in whole seconds, short ones as fractions.
        const double s = d.other.shutter;
        if (s >= 1)
            AddRationals(e, EXIF_IFD_EXIF, EXIF_TAG_EXPOSURE_TIME, {s}, 10);
        else
            AddRationals(e, EXIF_IFD_EXIF, EXIF_TAG_EXPOSURE_TIME, {1.0}, uint32_t(std::lround(1 / s)));
    }
    if (d.other.aperture > 0)
        AddRationals(e, EXIF_IFD_EXIF, EXIF_TAG_FNUMBER, {d.other.aperture}, 10);
    if (d.other.iso_speed > 0)
        AddShort(e, EXIF_IFD_EXIF, EXIF_TAG_ISO_SPEED_RATINGS,
                 unsigned(std::min(65535.0f, d.other.iso_speed)));
    if (d.other.focal_len > 0)
        AddRationals(e, EXIF_IFD_EXIF, EXIF_TAG_FOCAL_LENGTH, {d.other.focal_len}, 10);
    AddText(e, EXIF_IFD_EXIF, static_cast<ExifTag>(0xa433), d.lens.LensMake);  // LensMake
    AddText(e, EXIF_IFD_EXIF, static_cast<ExifTag>(0xa434), d.lens.Lens);      // LensModel
    AddGps(e, d.other.parsed_gps);
    metadata.exif = ExifBlock(e);
    return metadata;
}
