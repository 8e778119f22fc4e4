#pragma once
// The window's prompter: a modal QMessageBox on the GUI thread. A worker
// thread that asks waits until the user has answered, or until the prompter
// is closed.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/Prompter.h"

class QtPrompter : public QObject, public Prompter {
    Q_OBJECT
public:
    // Lives on the GUI thread; owner may be null (a box without owner).
    explicit QtPrompter(QWidget* owner = nullptr);
    ~QtPrompter() override;

    using Prompter::Ask;
    PromptAnswer Ask(const Prompt& prompt) override;

    void SetOwner(QWidget* owner) { owner_ = owner; }

    // From now on every message is answered at once as if dismissed (No to
    // a question), and workers waiting for an answer are released with that
    // answer: a window going away must be able to wait for its workers
    // without them waiting for it.
    void Close();

    // Workers waiting for an answer at this moment.
    std::size_t Waiting();

private:
    struct Pending {
        std::mutex mutex;
        std::condition_variable answered;
        bool done = false;
        PromptAnswer answer = PromptAnswer::No;
    };

    PromptAnswer AskHere(const Prompt& prompt);
    static void Answer(Pending& pending, PromptAnswer answer);

    QPointer<QWidget> owner_;
    std::mutex mutex_;
    bool closed_ = false;
    std::vector<std::shared_ptr<Pending>> pending_;
};
