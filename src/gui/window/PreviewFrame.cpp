#include "window/PreviewFrame.h"

#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <functional>

#include "imaging/DecodePreview.h"
#include "platform/Paths.h"
#include "window/LocalFigures.h"

// What a worker made for one request.
struct PreviewFrame::Made {
    std::optional<ResultPreview> result;
    QString failure;  // why there is no result
    QImage source;
};

// The picture, black around it, in its own proportions.
class PreviewCanvas : public QWidget {
public:
    explicit PreviewCanvas(QWidget* parent) : QWidget(parent) {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QImage image;
    std::function<void()> doubleClicked;
    // Room to judge a small watermark; the window may give it less.
    QSize sizeHint() const override { return {360, 220}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        if (image.isNull())
            return;
        QRect target(QPoint(0, 0), image.size().scaled(size(), Qt::KeepAspectRatio));
        target.moveCenter(rect().center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, image);
    }
    void mouseDoubleClickEvent(QMouseEvent*) override {
        if (doubleClicked)
            doubleClicked();
    }
};

PreviewFrame::PreviewFrame(QWidget* parent)
    : QFrame(parent),
      canvas_(new PreviewCanvas(this)),
      caption_(new QLabel(this)),
      before_(new QPushButton(tr("Show source"), this)),
      sourceAction_(new QAction(tr("Show source"), this)),
      debounce_(new QTimer(this)) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    canvas_->setMinimumSize(160, 90);
    canvas_->setToolTip(tr("The selected photo as it will be written. "
                           "Double-click or press Space in the list to see it larger."));
    canvas_->doubleClicked = [this] { OpenLarger(); };
    caption_->setObjectName(QStringLiteral("previewCaption"));
    caption_->setWordWrap(true);
    caption_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    before_->setObjectName(QStringLiteral("previewBeforeButton"));
    before_->setCheckable(true);
    // Every letter is some other button's Alt letter, so the toggle has a
    // key of its own, from the View menu.
    sourceAction_->setCheckable(true);
    sourceAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    sourceAction_->setToolTip(tr("Before and after: the source photo, or the result"));
    before_->setToolTip(tr("%1 (%2)", "a tooltip, then its key").arg(sourceAction_->toolTip(),
                                          sourceAction_->shortcut().toString(QKeySequence::NativeText)));
    connect(before_, &QPushButton::toggled, this, &PreviewFrame::ShowSource);
    connect(sourceAction_, &QAction::toggled, this, &PreviewFrame::ShowSource);

    auto* below = new QHBoxLayout;
    below->addWidget(caption_, 1);
    below->addWidget(before_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(canvas_, 1);
    layout->addLayout(below);

    // Typing and arrow keys come in bursts: only where they stop is made.
    debounce_->setSingleShot(true);
    debounce_->setInterval(150);
    connect(debounce_, &QTimer::timeout, this, &PreviewFrame::StartLatest);
}

PreviewFrame::~PreviewFrame() = default;

QSize PreviewFrame::sizeHint() const { return {420, 300}; }

QSize PreviewFrame::minimumSizeHint() const { return QFrame::minimumSizeHint(); }

void PreviewFrame::ShowResult(const PhotoJob& job, const TextOverlay& overlay) {
    const auto same = [&](const std::optional<Request>& request) {
        return request && request->job == job && request->overlay == overlay;
    };
    if (same(wanted_) || (!wanted_ && same(shown_)))
        return;
    wanted_ = Request{job, overlay};
    debounce_->start();
}

void PreviewFrame::StartLatest() {
    if (working_ || !wanted_)
        return;  // a result on its way starts the next one when it comes
    shown_ = std::move(wanted_);
    wanted_.reset();
    working_ = true;
    const quint64 id = ++lastId_;
    // Made at the frame's device pixels, so that it stays sharp on dense screens.
    const QSize want = canvas_->size().expandedTo(QSize(160, 90)) * devicePixelRatioF();
    const Request request = *shown_;
    auto* watcher = new QFutureWatcher<Made>(this);
    const QString path = paths::ToQString(request.job.source.path);
    connect(watcher, &QFutureWatcher<Made>::finished, this, [this, watcher, id, path] {
        const Made made = watcher->result();
        watcher->deleteLater();
        Finished(id, path, made);
    });
    watcher->setFuture(QtConcurrent::run([request, want] {
        Made made;
        Result<ResultPreview> result =
            PreviewResult(request.job, request.overlay, want.width(), want.height());
        if (result)
            made.result = std::move(result.Value());
        else
            made.failure = QString::fromStdString(result.GetStatus().Reason());
        made.source = DecodePreview(request.job.source.path, OutputPlan{}, want.width(),
                                    want.height());
        return made;
    }));
}

void PreviewFrame::Finished(quint64 id, const QString& path, const Made& made) {
    working_ = false;
    // Cleared since, or another photo chosen while this one was made.
    const bool stale = id != lastId_ ||
                       (wanted_ && paths::ToQString(wanted_->job.source.path) != path);
    if (!stale) {
        result_ = made.result;
        source_ = made.source;
        caption_->setText(result_ ? LocalFigures::Caption(*result_)
                                  : tr("No result: %1").arg(made.failure));
        canvas_->image = Image();
        canvas_->update();
        emit PhotoShown(path);
    }
    if (wanted_ && !debounce_->isActive())
        StartLatest();
}

void PreviewFrame::Clear() {
    ++lastId_;
    wanted_.reset();
    shown_.reset();
    debounce_->stop();
    result_.reset();
    source_ = QImage();
    caption_->clear();
    canvas_->image = QImage();
    canvas_->update();
}

void PreviewFrame::ShowSource(bool source) {
    if (before_->isChecked() != source)
        before_->setChecked(source);  // comes back here through toggled
    if (sourceAction_->isChecked() != source)
        sourceAction_->setChecked(source);
    const QString text = source ? tr("Show result") : tr("Show source");
    before_->setText(text);
    sourceAction_->setText(text);
    canvas_->image = Image();
    canvas_->update();
}

const QImage& PreviewFrame::Image() const {
    if (before_->isChecked())
        return source_;
    return result_ ? result_->shown : none_;
}

QString PreviewFrame::Caption() const { return caption_->text(); }

void PreviewFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        OpenLarger();
        return;
    }
    QFrame::keyPressEvent(event);
}

void PreviewFrame::OpenLarger() {
    if (!result_)
        return;
    auto* dialog = new QDialog(window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("resultDialog"));
    const QString name =
        shown_ ? QFileInfo(paths::ToQString(shown_->job.source.path)).fileName() : QString();
    dialog->setWindowTitle(name + QStringLiteral(" \u2014 ") + caption_->text());
    auto* area = new QScrollArea(dialog);
    auto* picture = new QLabel(tr("Opening…"), area);
    picture->setAlignment(Qt::AlignCenter);
    area->setWidget(picture);
    area->setWidgetResizable(true);
    area->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    const QRect room = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    dialog->resize(QSize(result_->width + 24, result_->height + 24)
                       .boundedTo(room.size() * 0.9)
                       .expandedTo(QSize(320, 240)));
    // Decoding a large output whole takes a moment: off the window's thread.
    auto* watcher = new QFutureWatcher<QImage>(dialog);
    connect(watcher, &QFutureWatcher<QImage>::finished, dialog, [watcher, picture, area] {
        const QImage whole = watcher->result();
        if (whole.isNull()) {
            picture->setText(PreviewFrame::tr("The result could not be shown."));
            return;
        }
        area->setWidgetResizable(false);
        picture->setPixmap(QPixmap::fromImage(whole));
        picture->resize(whole.size());
    });
    watcher->setFuture(QtConcurrent::run(
        [bytes = result_->bytes] { return DecodeOutputBytes(bytes); }));
    dialog->show();
}
