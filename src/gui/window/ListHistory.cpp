#include "window/ListHistory.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <utility>

#include "window/PhotoListPanel.h"

namespace {

// Holds the other state of the list: undo and redo both swap it with the
// list's, so one copy serves both ways.
class SwapList : public QUndoCommand {
public:
    SwapList(const QString& text, PhotoListPanel& list, PhotoListPanel::State other)
        : QUndoCommand(text), list_(list), other_(std::move(other)) {}

    void undo() override { Swap(); }
    void redo() override {
        // Pushing runs redo once; the change itself has already been made.
        if (pushed_)
            Swap();
        pushed_ = true;
    }

private:
    void Swap() { other_ = list_.Exchange(std::move(other_)); }

    PhotoListPanel& list_;
    PhotoListPanel::State other_;
    bool pushed_ = false;
};

}  // namespace

ListHistory::ListHistory(PhotoListPanel& list, QObject* parent)
    : QObject(parent), list_(list), stack_(new QUndoStack(this)) {
    // Each step keeps a whole list; a bounded history keeps that bounded.
    stack_->setUndoLimit(20);
    connect(stack_, &QUndoStack::indexChanged, this, &ListHistory::Changed);
    connect(stack_, &QUndoStack::cleanChanged, this, &ListHistory::Changed);
}

void ListHistory::Record(const QString& text, const std::function<void()>& change) {
    PhotoListPanel::State before = list_.Current();
    change();
    if (before.photos != list_.Photos())
        stack_->push(new SwapList(text, list_, std::move(before)));
}

void ListHistory::Forget() {
    stack_->clear();
    emit Changed();
}

bool ListHistory::CanUndo() const { return stack_->canUndo(); }
bool ListHistory::CanRedo() const { return stack_->canRedo(); }
void ListHistory::Undo() { stack_->undo(); }
void ListHistory::Redo() { stack_->redo(); }

QString ListHistory::UndoText() const {
    return stack_->canUndo() ? tr("&Undo %1").arg(stack_->undoText()) : tr("&Undo");
}

QString ListHistory::RedoText() const {
    return stack_->canRedo() ? tr("&Redo %1").arg(stack_->redoText()) : tr("&Redo");
}
