#pragma once
// The preview frame: black until a photo is shown, then its output as the
// photo's plan lays it out, with the text overlay on it, scaled as the
// output is.
// Decoding runs off the GUI thread at about the frame's size; the last few
// previews are kept so that clicking back and forth is instant.

#include <QCache>
#include <QFrame>
#include <QImage>

#include <functional>
#include <string>

#include "model/OutputPlan.h"
#include "model/TextOverlay.h"

class PreviewFrame : public QFrame {
    Q_OBJECT
public:
    // Decodes a picture as the plan lays it out, fitted within width x
    // height; a null image when it cannot. Called on a worker thread.
    using Decoder = std::function<QImage(const std::string& path, const OutputPlan& plan,
                                         int width, int height)>;

    explicit PreviewFrame(QWidget* parent = nullptr);

    void SetDecoder(Decoder decoder) { decoder_ = std::move(decoder); }

    // Shows the output of the photo at path, as plan lays it out, once it is
    // decoded; a photo that does not decode leaves the frame black. The
    // overlay is placed as on an output of the plan's size and scaled with
    // it.
    void ShowPhoto(const std::string& path, const OutputPlan& plan);
    // Back to black.
    void Clear();
    // The overlay drawn over the photo.
    void SetOverlay(const TextOverlay& overlay);

    const QImage& Image() const { return image_; }

signals:
    // The frame shows path now (its image may be null when it did not decode).
    void PhotoShown(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Decoded(quint64 request, const QString& path, const QImage& image);

    Decoder decoder_;
    QImage image_;
    TextOverlay overlay_;
    QSize outputSize_;
    QCache<QString, QImage> cache_;
    quint64 lastRequest_ = 0;
};
