// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "imaging/ImagingMessages.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"

#include "imaging/ThumbnailLoader.h"

#include <libexif/exif-data.h>

#include <QPainter>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "imaging/DecodePreview.h"
#include "model/RgbPicture.h"
#include "platform/Paths.h"

namespace {

QImage ImageOf(const vips::VImage& image) {
    RgbPicture picture;
    CopyPixelsOut(ToRgb8(image), picture);
    QImage shown(picture.width, picture.height, QImage::Format_RGB888);
    for (int32_t y = 0; y < picture.height && !shown.isNull(); ++y)
        std::copy_n(picture.Pixel(0, y), picture.RowBytes(), shown.scanLine(y));
    return shown;
}

// A JPEG's EXIF thumbnail, turned upright, when it shows the whole photo in
// its proportions (some cameras letterbox it) at no less than the box
// would take; else null. Reads the headers only.
QImage ExifThumbnail(const std::string& path, QSize box) {
    const ImagingMessages dropped;  // the full decode says why, if anything
    try {
        const vips::VImage header = vips::VImage::new_from_file(
            VipsPathWithOptions(path).c_str(),
            vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        if (!header.get_typeof(VIPS_META_EXIF_NAME) ||
            std::string(header.get_string("vips-loader")) != "jpegload")
            return {};
        std::size_t length = 0;
        const void* blob = header.get_blob(VIPS_META_EXIF_NAME, &length);
        std::unique_ptr<ExifData, void (*)(ExifData*)> exif(
            exif_data_new_from_data(static_cast<const unsigned char*>(blob),
                                    static_cast<unsigned int>(length)),
            &exif_data_unref);
        if (!exif || !exif->data || exif->size == 0)
            return {};
        const int orientation =
            header.get_typeof(VIPS_META_ORIENTATION) ? header.get_int(VIPS_META_ORIENTATION) : 1;
        if (orientation != 1 && orientation != 3 && orientation != 6 && orientation != 8)
            return {};  // mirrored: the full decode turns those
        vips::VImage thumb = vips::VImage::new_from_buffer(exif->data, exif->size, "");
        const double w = header.width(), h = header.height();
        if (std::abs(thumb.width() * h - thumb.height() * w) > 0.02 * w * thumb.height())
            return {};
        const bool sideways = orientation == 6 || orientation == 8;
        const double scale = sideways ? std::min(box.width() / h, box.height() / w)
                                      : std::min(box.width() / w, box.height() / h);
        if (scale >= 1 || thumb.width() + 1 < w * scale)
            return {};
        if (orientation == 6)
            thumb = thumb.rot90();
        else if (orientation == 8)
            thumb = thumb.rot270();
        else if (orientation == 3)
            thumb = thumb.rot180();
        return ImageOf(thumb.thumbnail_image(
            box.width(),
            vips::VImage::option()->set("height", box.height())->set("size", VIPS_SIZE_DOWN)));
    } catch (const vips::VError&) {
        return {};
    }
}

}  // namespace

QImage LoadThumbnail(const std::string& path, QSize box) {
    if (box.isEmpty() || !StartImaging())
        return {};
    if (QImage embedded = ExifThumbnail(path, box); !embedded.isNull())
        return embedded;
    // An empty plan: the whole photo, fitted and never enlarged.
    return DecodePreview(path, OutputPlan{}, box.width(), box.height());
}

ThumbnailLoader::ThumbnailLoader(QSize box, qreal ratio, qint64 budgetBytes, QObject* parent)
    : QObject(parent), box_(box), ratio_(ratio), cache_(std::max<qint64>(1, budgetBytes)) {
    // Gathering and the result preview keep working beside them.
    pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

ThumbnailLoader::~ThumbnailLoader() {
    waiting_.clear();
    pool_.waitForDone();
}

ThumbnailLoader::FileStamp ThumbnailLoader::StampOf(const QString& path) {
    struct stat st {};
    if (::stat(paths::FromQString(path).c_str(), &st) != 0)
        return {};
    return {static_cast<qint64>(st.st_size),
            static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            static_cast<quint64>(st.st_ino)};
}

QImage ThumbnailLoader::Get(const QString& path) {
    const FileStamp now = StampOf(path);
    if (const Thumbnail* made = cache_.object(path)) {
        if (made->stamp == now)
            return made->image;
        const QImage shown = made->image;
        Ask(path);
        return shown;
    }
    if (const auto none = none_.constFind(path); none != none_.cend()) {
        if (*none == now)
            return {};
        none_.erase(none);
    }
    Ask(path);
    return {};
}

void ThumbnailLoader::Ask(const QString& path) {
    if (queued_.contains(path)) {
        // Asked again: it is in view, so it goes to the front.
        const auto at = std::find(waiting_.begin(), waiting_.end(), path);
        if (at != waiting_.end()) {
            waiting_.erase(at);
            waiting_.push_back(path);
        }
        return;
    }
    waiting_.push_back(path);
    queued_.insert(path);
    while (waiting_.size() > std::size_t{kMaxWaiting}) {
        queued_.remove(waiting_.front());
        waiting_.pop_front();
    }
    StartMore();
}

void ThumbnailLoader::StartMore() {
    while (running_ < pool_.maxThreadCount() && !waiting_.empty()) {
        const QString path = waiting_.back();
        waiting_.pop_back();
        ++running_;
        const QSize box = box_ * ratio_;
        const qreal ratio = ratio_;
        // The destructor waits for these, so this outlives them.
        pool_.start([path, box, ratio, this] {
            // Before the file is read: a change while it is read shows next time.
            const FileStamp stamp = StampOf(path);
            const QImage photo = LoadThumbnail(paths::FromQString(path), box);
            QImage image;
            if (!photo.isNull()) {
                image = QImage(box, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::transparent);
                QPainter painter(&image);
                painter.drawImage((box.width() - photo.width()) / 2,
                                  (box.height() - photo.height()) / 2, photo);
                painter.end();
                image.setDevicePixelRatio(ratio);
            }
            // Queued to the loader's thread; dropped when the loader is gone.
            QMetaObject::invokeMethod(this, [this, path, image, stamp] { Made(path, image, stamp); },
                                      Qt::QueuedConnection);
        });
    }
}

void ThumbnailLoader::Made(const QString& path, const QImage& image, const FileStamp& stamp) {
    --running_;
    queued_.remove(path);
    if (image.isNull()) {
        cache_.remove(path);
        none_.insert(path, stamp);
    } else {
        cache_.insert(path, new Thumbnail{image, stamp}, std::max<qint64>(1, image.sizeInBytes()));
    }
    emit Ready(path);
    StartMore();
}
