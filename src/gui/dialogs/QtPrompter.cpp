#include "dialogs/QtPrompter.h"

#include <QMessageBox>
#include <QPushButton>
#include <QMetaObject>
#include <QThread>

#include <algorithm>

#include "platform/Paths.h"

namespace {

PromptAnswer Dismissed(const Prompt& prompt) {
    return prompt.buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
}

}  // namespace

QtPrompter::QtPrompter(QWidget* owner) : owner_(owner) {}

QtPrompter::~QtPrompter() { Close(); }

void QtPrompter::Answer(Pending& pending, PromptAnswer answer) {
    {
        std::lock_guard lock(pending.mutex);
        if (pending.done)
            return;
        pending.done = true;
        pending.answer = answer;
    }
    pending.answered.notify_all();
}

void QtPrompter::Close() {
    std::vector<std::shared_ptr<Pending>> waiting;
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        waiting.swap(pending_);
    }
    for (const auto& pending : waiting)
        Answer(*pending, PromptAnswer::No);
}

std::size_t QtPrompter::Waiting() {
    std::lock_guard lock(mutex_);
    return pending_.size();
}

PromptAnswer QtPrompter::Ask(const Prompt& prompt) {
    if (QThread::currentThread() == thread()) {
        {
            std::lock_guard lock(mutex_);
            if (closed_)
                return Dismissed(prompt);
        }
        return AskHere(prompt);
    }
    auto pending = std::make_shared<Pending>();
    {
        std::lock_guard lock(mutex_);
        if (closed_)
            return Dismissed(prompt);
        pending_.push_back(pending);
    }
    // Not a blocking queued call: that one could not be released when the
    // GUI thread is itself waiting for this worker.
    QMetaObject::invokeMethod(
        this,
        [this, prompt, pending] {
            {
                std::lock_guard lock(mutex_);
                if (closed_)
                    return;
            }
            Answer(*pending, AskHere(prompt));
        },
        Qt::QueuedConnection);
    std::unique_lock wait(pending->mutex);
    pending->answered.wait(wait, [&] { return pending->done; });
    const PromptAnswer answer = prompt.buttons == PromptButtons::Ok ? PromptAnswer::Ok : pending->answer;
    wait.unlock();
    std::lock_guard lock(mutex_);
    pending_.erase(std::remove(pending_.begin(), pending_.end(), pending), pending_.end());
    return answer;
}

PromptAnswer QtPrompter::AskHere(const Prompt& prompt) {
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (prompt.icon) {
    case PromptIcon::None: boxIcon = QMessageBox::NoIcon; break;
    case PromptIcon::Information: boxIcon = QMessageBox::Information; break;
    case PromptIcon::Exclamation: boxIcon = QMessageBox::Warning; break;
    case PromptIcon::Error: boxIcon = QMessageBox::Critical; break;
    case PromptIcon::Question: boxIcon = QMessageBox::Question; break;
    }
    const bool question = prompt.buttons != PromptButtons::Ok;
    const bool toAll = prompt.buttons == PromptButtons::YesNoAll;
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (question)
        standard = QMessageBox::Yes | QMessageBox::No;
    if (toAll)
        standard |= QMessageBox::YesToAll | QMessageBox::NoToAll;
    // A caption may be a path: its bytes are the file system's.
    QMessageBox box(boxIcon, paths::ToQString(prompt.caption), QString::fromStdString(prompt.text),
                    standard, owner_.data());
    if (!prompt.detail.empty())
        box.setInformativeText(QString::fromStdString(prompt.detail));
    if (!prompt.yesText.empty())
        box.button(QMessageBox::Yes)->setText(QString::fromStdString(prompt.yesText));
    if (!prompt.noText.empty())
        box.button(QMessageBox::No)->setText(QString::fromStdString(prompt.noText));
    // Enter must not replace a file or end a run by accident.
    if (toAll || !prompt.noText.empty())
        box.setDefaultButton(QMessageBox::No);
    const int result = box.exec();
    if (!question)
        return PromptAnswer::Ok;
    switch (result) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::YesToAll: return PromptAnswer::YesToAll;
    case QMessageBox::NoToAll: return PromptAnswer::NoToAll;
    default: return PromptAnswer::No;
    }
}
