#pragma once
// The result preview: the selected photo converted with its own settings
// through the run's own steps, on a worker, with the output's pixel size,
// format and file size below it ("1080 x 810 · WebP 82 · 184 KB"). Changes
// come in bursts (typing, arrow keys), so a request waits a moment and only
// the latest is made; a result that a later request overtook is dropped.
// "Show source" shows the source instead; a double-click or Space opens the
// result at full size.

#include <QFrame>
#include <QImage>

#include <optional>

#include "model/PhotoJob.h"
#include "model/TextOverlay.h"
#include "run/ResultPreview.h"

class QLabel;
class QAction;
class QPushButton;
class QTimer;
class PreviewCanvas;

class PreviewFrame : public QFrame {
    Q_OBJECT
public:
    explicit PreviewFrame(QWidget* parent = nullptr);
    ~PreviewFrame() override;

    // Shows the job's output with overlay, once it is made; the same job and
    // overlay as shown or on their way ask for nothing.
    void ShowResult(const PhotoJob& job, const TextOverlay& overlay);
    // Back to black; a result on its way is dropped.
    void Clear();
    // True: the source is shown instead of the result.
    void ShowSource(bool source);
    // The toggle as a command (Ctrl+B), for a menu.
    QAction* SourceAction() const { return sourceAction_; }

    // What the frame shows (the result or the source, fitted).
    const QImage& Image() const;
    // The last result made; none before one or after a failure.
    const std::optional<ResultPreview>& LastResult() const { return result_; }
    QString Caption() const;
    // Opens the result at full size, scrollable.
    void OpenLarger();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The frame shows the result for path now (or why there is none).
    void PhotoShown(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Request {
        PhotoJob job;
        TextOverlay overlay;
    };
    struct Made;
    void StartLatest();
    void Finished(quint64 id, const QString& path, const Made& made);

    PreviewCanvas* canvas_;
    QLabel* caption_;
    QPushButton* before_;
    QAction* sourceAction_;  // the same toggle, for the View menu
    QTimer* debounce_;
    std::optional<Request> wanted_;  // the latest asked for
    std::optional<Request> shown_;   // made, or being made, last
    quint64 lastId_ = 0;
    bool working_ = false;
    std::optional<ResultPreview> result_;
    QImage source_;
    QImage none_;
};
