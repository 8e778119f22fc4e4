#pragma once
// The window's prompter: a modal QMessageBox on the GUI thread. A worker
// thread that asks waits until the user has answered.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "app/Prompter.h"

class QtPrompter : public QObject, public Prompter {
    Q_OBJECT
public:
    // Lives on the GUI thread; owner may be null (a box without owner).
    explicit QtPrompter(QWidget* owner = nullptr);

    PromptAnswer Ask(const std::string& text, const std::string& caption, PromptButtons buttons,
                     PromptIcon icon) override;

    void SetOwner(QWidget* owner) { owner_ = owner; }

private:
    PromptAnswer AskHere(const std::string& text, const std::string& caption,
                         PromptButtons buttons, PromptIcon icon);

    QPointer<QWidget> owner_;
};
