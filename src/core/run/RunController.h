#pragma once
// A run as a QObject: what a window needs to follow a ConversionRun. Its
// reports are signals emitted on the run's threads, so that a receiver on
// the GUI thread gets them queued and touches its widgets on its own thread.

#include <QObject>
#include <QString>

#include <cstddef>
#include <memory>

#include "run/ConversionRun.h"

class RunController : public QObject {
    Q_OBJECT
public:
    // The prompter and the log must outlive the controller.
    RunController(ConversionJob job, Prompter& prompter, ActivityLog& log,
                  QObject* parent = nullptr);
    // Asks for a stop and waits for the photos in hand.
    ~RunController() override;

    void Start();
    void RequestStop();
    bool StopRequested() const;

signals:
    void Progress(int position);
    void OutputPathFormed(qsizetype index, const std::string& path);
    void TextPositionReset(bool xReset, bool yReset);
    void PhotoDone(qsizetype index, const PhotoResult& result);
    // The last signal of the run; the controller may be destroyed from a
    // slot connected to it (queued).
    void Finished(const RunResult& result);

private:
    std::unique_ptr<ConversionRun> run_;
};
