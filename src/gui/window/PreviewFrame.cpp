#include "window/PreviewFrame.h"

#include "platform/Paths.h"
#include "imaging/OverlayText.h"
#include "imaging/WatermarkImage.h"

#include <QFile>
#include <QFutureWatcher>
#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>

PreviewFrame::PreviewFrame(QWidget* parent) : QFrame(parent), cache_(8) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAutoFillBackground(false);
}

void PreviewFrame::ShowPhoto(const std::string& path, const OutputPlan& plan) {
    if (const QSize outputSize(plan.width, plan.height); outputSize != outputSize_) {
        outputSize_ = outputSize;
        update();
    }
    const QString shown = paths::ToQString(path);
    // One photo previews differently under each plan.
    const QString key = shown + QStringLiteral("\n%1 %2 %3 %4 %5 %6")
                                    .arg(plan.width)
                                    .arg(plan.height)
                                    .arg(plan.picture.x)
                                    .arg(plan.picture.y)
                                    .arg(plan.picture.width)
                                    .arg(plan.picture.height);
    const quint64 request = ++lastRequest_;
    if (QImage* cached = cache_.object(key)) {
        Decoded(request, shown, *cached);
        return;
    }
    // Decode at twice the frame so the scaled picture stays sharp on
    // high-density screens.
    const QSize want = contentsRect().size() * devicePixelRatioF() * 2;
    Decoder decoder = decoder_;
    // The watcher belongs to the frame: when the frame goes first, the result
    // is dropped with it; the decoding itself touches nothing of the frame.
    auto* watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher, request, key, shown] {
        const QImage image = watcher->result();
        watcher->deleteLater();
        cache_.insert(key, new QImage(image));
        Decoded(request, shown, image);
    });
    watcher->setFuture(QtConcurrent::run([decoder, path, plan, want] {
        return decoder ? decoder(path, plan, want.width(), want.height()) : QImage();
    }));
}

void PreviewFrame::Decoded(quint64 request, const QString& path, const QImage& image) {
    if (request != lastRequest_)
        return;  // a later click won
    image_ = image;
    update();
    emit PhotoShown(path);
}

void PreviewFrame::Clear() {
    ++lastRequest_;
    image_ = QImage();
    update();
}

void PreviewFrame::SetOverlay(const TextOverlay& overlay) {
    if (overlay == overlay_)
        return;
    overlay_ = overlay;
    update();
}

void PreviewFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, Qt::black);
    if (!image_.isNull()) {
        // The output in its own proportions, centred, as it will be written.
        QSize fitted = image_.size().scaled(inside.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(0, 0), fitted);
        target.moveCenter(inside.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, image_);
        if (!outputSize_.isEmpty()) {
            painter.setClipRect(target);
            painter.translate(target.topLeft());
            painter.scale(double(target.width()) / outputSize_.width(),
                          double(target.height()) / outputSize_.height());
            PaintWatermark(painter, outputSize_.width(), outputSize_.height(), overlay_.watermark);
            PaintOverlayText(painter, outputSize_.width(), outputSize_.height(), overlay_);
        }
    }
}
