// Thumbnails for a large list: how soon the list is usable, how soon the
// first screen of thumbnails is there, thumbnails per second over the whole
// list as it is scrolled, and the peak memory; the list beside a plain walk
// of the folder, the thumbnails beside libvips' own vipsthumbnail on the
// same files when it is installed, each measured in the same run.
//
//   thumbnails_bench [COUNT] [WIDTH]
//
// COUNT (default 5000) links to a few WIDTH x 3/4 WIDTH JPEGs (default
// 4000, a 12-megapixel camera) in a fresh temporary folder.

// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include <vips/vips8>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSet>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "gather/PhotoGathering.h"
#include "imaging/ThumbnailLoader.h"
#include "platform/Prompter.h"

namespace {

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Waits, serving the loader's results, until every path of rows is made.
void MakeAll(ThumbnailLoader& loader, const QStringList& rows, QSet<QString>& made) {
    for (const QString& row : rows) loader.Get(row);
    while (true) {
        bool all = true;
        for (const QString& row : rows) all = all && made.contains(row);
        if (all)
            return;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (VIPS_INIT(argv[0]))
        vips_error_exit(nullptr);
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 5000;
    const int width = argc > 2 ? std::atoi(argv[2]) : 4000;
    std::string folder =
        (std::filesystem::temp_directory_path() / "quillmere-thumbs-bench-XXXXXX").string();
    if (count <= 0 || width < 64 || !mkdtemp(folder.data())) {
        std::fprintf(stderr, "usage: %s [COUNT] [WIDTH]\n", argv[0]);
        return 2;
    }
    std::vector<std::string> samples;
    for (int i = 0; i < 4; ++i) {
        const int w = width - 16 * i, h = width * 3 / 4;
        vips::VImage noise = vips::VImage::gaussnoise(
            w / 8, h / 8, vips::VImage::option()->set("mean", 128.0)->set("sigma", 40.0));
        vips::VImage picture = noise.bandjoin(noise.rot180())
                                   .bandjoin(noise.flip(VIPS_DIRECTION_HORIZONTAL))
                                   .resize(8)
                                   .cast(VIPS_FORMAT_UCHAR);
        samples.push_back(folder + "/sample_" + std::to_string(i) + ".jpeg");
        picture.jpegsave(samples.back().c_str(), vips::VImage::option()->set("Q", 88));
    }
    const std::string photos = folder + "/photos";
    std::filesystem::create_directories(photos);
    for (long i = 0; i < count; ++i)
        std::filesystem::create_hard_link(samples[std::size_t(i) % samples.size()],
                                          photos + "/IMG_" + std::to_string(i) + ".jpg");
    std::printf("%ld photos of %d x %d (%s)\n", count, width, width * 3 / 4, photos.c_str());

    StderrPrompter prompter(StderrPrompter::Policy::No);
    QElapsedTimer clock;
    clock.start();
    std::vector<std::string> found;
    FindPhotoFiles(photos, found, prompter);
    std::atomic<bool> cancel{false};
    const std::vector<PhotoItem> listed =
        GatherPhotos(found, BuiltInDefaultOutputPhotoFormat(), prompter, cancel);
    const double listSeconds = clock.nsecsElapsed() / 1e9;
    std::printf("list usable:        %zu photos in %.2f s (no thumbnail waited for)\n",
                listed.size(), listSeconds);
    // The peer of the list: a plain walk of the same folder that looks at
    // each file's size and date, as a file manager's list does.
    clock.restart();
    std::size_t walked = 0;
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(photos))
        if (entry.is_regular_file()) {
            ++walked;
            bytes += entry.file_size() + (entry.last_write_time().time_since_epoch().count() & 1);
        }
    const double walkSeconds = clock.nsecsElapsed() / 1e9;
    std::printf("plain walk:         %zu files in %.3f s (size and date of each, %ju bytes)\n",
                walked, walkSeconds, bytes);
    std::printf("ratio:              list usable in %.1fx a plain walk's time\n",
                listSeconds / walkSeconds);

    QStringList rows;
    for (const PhotoItem& photo : listed) rows << QString::fromStdString(photo.strSourcePath);
    ThumbnailLoader loader(QSize(48, 36), 2.0);
    QSet<QString> made;
    QObject::connect(&loader, &ThumbnailLoader::Ready,
                     [&made](const QString& path) { made.insert(path); });
    // A first screen of rows, then the rest a screen at a time as if scrolled.
    constexpr int kScreen = 25;
    clock.restart();
    MakeAll(loader, rows.mid(0, kScreen), made);
    std::printf("first screen:       %d thumbnails in %.3f s\n", kScreen,
                clock.nsecsElapsed() / 1e9);
    clock.restart();
    for (qsizetype at = kScreen; at < rows.size(); at += kScreen)
        MakeAll(loader, rows.mid(at, kScreen), made);
    const double allSeconds = clock.nsecsElapsed() / 1e9;
    const double rate = (rows.size() - kScreen) / allSeconds;
    std::printf("scrolled through:   %lld thumbnails in %.2f s (%.0f thumbnails/s, %d threads)\n",
                static_cast<long long>(rows.size() - kScreen), allSeconds, rate,
                QThread::idealThreadCount());
    std::printf("peak memory:        %.0f MiB (thumbnails kept within the cache's 128 MiB)\n",
                PeakKiB() / 1024.0);

    // The peer: libvips' own thumbnailer, one process over a part of the
    // same files, as many processes as our threads.
    if (std::system("command -v vipsthumbnail >/dev/null 2>&1") == 0) {
        const long some = std::min<long>(count, 400);
        const int threads = QThread::idealThreadCount();
        const std::string out = folder + "/peer";
        std::filesystem::create_directories(out);
        std::string command = "cd '" + photos + "' && ls | head -n " + std::to_string(some) +
                              " | xargs -P " + std::to_string(threads) + " -n 50 vipsthumbnail -s 96x72 -o '" +
                              out + "/%s.jpg'";
        clock.restart();
        const int status = std::system(command.c_str());
        const double peerSeconds = clock.nsecsElapsed() / 1e9;
        const double peerRate = some / peerSeconds;
        std::printf("vipsthumbnail:      %ld thumbnails in %.2f s (%.0f thumbnails/s)%s\n", some,
                    peerSeconds, peerRate, status == 0 ? "" : " (it failed)");
        std::printf("ratio:              %.2fx vipsthumbnail's rate (its files written to disk)\n",
                    rate / peerRate);
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return made.size() == static_cast<std::size_t>(count) ? 0 : 1;
}
