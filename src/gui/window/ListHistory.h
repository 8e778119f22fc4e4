#pragma once
// Undo and Redo of the photo list: each undoable change keeps the list (its
// photos, their settings and the selection) as it was before, and undoing
// swaps that back in, so that a deleted photo returns in its place with its
// own settings. Photos added to the list end the history: undoing past them
// would drop them.

#include <QObject>
#include <QString>

#include <functional>

class PhotoListPanel;
class QAction;
class QUndoStack;

class ListHistory : public QObject {
    Q_OBJECT
public:
    explicit ListHistory(PhotoListPanel& list, QObject* parent = nullptr);

    // Runs change; when it changed the list (photos, their order or their
    // settings), it can be undone under text ("Delete").
    void Record(const QString& text, const std::function<void()>& change);
    void Forget();

    bool CanUndo() const;
    bool CanRedo() const;
    void Undo();
    void Redo();
    // "Undo Delete", or "Undo" when there is nothing to undo.
    QString UndoText() const;
    QString RedoText() const;

signals:
    void Changed();

private:
    PhotoListPanel& list_;
    QUndoStack* stack_;
};
