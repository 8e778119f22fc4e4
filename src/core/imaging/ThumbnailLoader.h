#pragma once
// Thumbnails of the listed photos, made on worker threads and kept for the
// session within a memory budget, so that a list of thousands of photos is
// usable at once and fills in while it is looked at.

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <deque>
#include <string>

// The photo at path fitted within box (never enlarged), upright: a JPEG's
// embedded EXIF thumbnail when it covers the box, else a shrink-on-load
// decode; a camera RAW's own preview. Null when it is no picture that can
// be read. Thread-safe.
QImage LoadThumbnail(const std::string& path, QSize box);

class ThumbnailLoader : public QObject {
    Q_OBJECT
public:
    // Thumbnails fit within box (logical pixels), made at ratio device
    // pixels each and centred on a clear box-sized image, so that rows line
    // up; the cache holds up to budgetBytes of them, the least recently
    // shown going first.
    explicit ThumbnailLoader(QSize box, qreal ratio = 1, qint64 budgetBytes = 128 << 20,
                             QObject* parent = nullptr);
    ~ThumbnailLoader() override;  // waits for the thumbnails being made

    // The thumbnail of path when it is made; otherwise a null image, and the
    // thumbnail is asked for: Ready follows. The latest asked are made
    // first, and only the last kMaxWaiting asked wait: a list scrolled past
    // quickly asks again for what comes back into view. A photo that gives
    // no thumbnail is asked for once. The file is looked at each time: one
    // that changed on disk since its thumbnail was made is made again, the
    // old thumbnail shown meanwhile.
    QImage Get(const QString& path);
    QSize Box() const { return box_; }
    int Waiting() const { return static_cast<int>(waiting_.size()); }

    static constexpr int kMaxWaiting = 256;

signals:
    // The thumbnail of path is made (it may be null: no thumbnail).
    void Ready(const QString& path);

public:
    // What tells a file's versions apart without reading it.
    struct FileStamp {
        qint64 size = -1;  // -1: no file
        qint64 modifiedNs = 0;
        quint64 inode = 0;
        bool operator==(const FileStamp&) const = default;
    };
    static FileStamp StampOf(const QString& path);

private:
    struct Thumbnail {
        QImage image;
        FileStamp stamp;  // of the file it was made from
    };

    void Ask(const QString& path);
    void StartMore();
    void Made(const QString& path, const QImage& image, const FileStamp& stamp);

    QSize box_;
    qreal ratio_;
    QCache<QString, Thumbnail> cache_;  // cost: bytes
    QHash<QString, FileStamp> none_;    // gave no thumbnail, as the file was then
    std::deque<QString> waiting_;    // oldest first
    QSet<QString> queued_;           // waiting or being made
    int running_ = 0;
    QThreadPool pool_;
};
