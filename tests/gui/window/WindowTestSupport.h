#pragma once
// What the window tests share: a window on the scripted dialogs and a
// recording prompter, photos added through Add Photos, the result preview
// of a row, and one processor for a run that must go one photo at a time.

#include <QSettings>
#include <QSignalSpy>
#include <QString>
#include <QStringList>

#include <sched.h>

#include <memory>

#include "ScriptedHooks.h"
#include "platform/SettingsStore.h"
#include "support/RecordingPrompter.h"
#include "ui_MainDialog.h"
#include "window/MainDialog.h"
#include "window/PhotoListPanel.h"
#include "window/PhotoSources.h"
#include "window/PreviewFrame.h"

// The scripted dialogs and the prompter of a test class's windows.
class WindowTestBase {
protected:
    Script script_;
    RecordingPrompter prompter_;

    // Before each test: the settings store named cleared, nothing scripted
    // and every question answered No.
    void ResetWindowTest(const QString& store) {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, settings::kMaker, store).clear();
        script_ = Script{};
        prompter_.Clear();
        prompter_.SetFallback(PromptAnswer::No);
    }

    std::unique_ptr<MainDialog> NewWindow() {
        return std::make_unique<MainDialog>(&prompter_, ScriptedHooks(script_));
    }

    // files added through Add Photos; whether their gathering ended.
    bool AddPhotos(MainDialog& window, const QStringList& files) {
        script_.files << files;
        window.Sources().AddPhotos();
        return Gathered(window);
    }
};

// Whether the result preview of row came up in the window's preview frame.
inline bool ResultShown(MainDialog& window, int row) {
    QSignalSpy shown(window.Controls().previewFrame, &PreviewFrame::PhotoShown);
    window.List().SelectRows({row});
    window.OnPreview();
    return shown.wait(10000);
}

// This thread, and the threads it starts, on its first processor only while
// it lives (or until Restore): one photo of a run at a time.
class OneProcessor {
public:
    OneProcessor() {
        if (sched_getaffinity(0, sizeof before_, &before_) != 0)
            return;
        cpu_set_t one;
        CPU_ZERO(&one);
        for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
            if (CPU_ISSET(cpu, &before_)) {
                CPU_SET(cpu, &one);
                break;
            }
        pinned_ = sched_setaffinity(0, sizeof one, &one) == 0;
    }
    ~OneProcessor() { Restore(); }
    OneProcessor(const OneProcessor&) = delete;
    OneProcessor& operator=(const OneProcessor&) = delete;

    bool Pinned() const { return pinned_; }
    void Restore() {
        if (pinned_)
            sched_setaffinity(0, sizeof before_, &before_);
        pinned_ = false;
    }

private:
    cpu_set_t before_;
    bool pinned_ = false;
};
