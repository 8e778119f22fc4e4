#include "window/WindowActions.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QWidget>

bool IsEnabled(Command command, const WindowState& state) {
    const bool listFree = !state.converting && !state.gathering;
    const bool anyPhoto = state.photoCount > 0;
    switch (command) {
        case Command::AddPhotos:
        case Command::SearchPhotos:
        case Command::Options:
        case Command::Sort: return listFree;
        case Command::Convert: return state.converting || (anyPhoto && !state.gathering);
        case Command::Edit:
        case Command::Up:
        case Command::Down:
        case Command::Delete:
        case Command::Clear: return anyPhoto && listFree;
        case Command::ApplyPreset: return state.presetCount > 0 && listFree;
        case Command::RemovePreset: return state.presetCount > 0;
        case Command::Help:
        case Command::SelectAll:
        case Command::Browse:
        case Command::Font:
        case Command::SavePreset:
        case Command::ViewLog:
        case Command::Update:
        case Command::About:
        case Command::Exit:
        case Command::Count: return true;
    }
    return true;
}

namespace {

QList<QKeySequence> KeysOf(Command command) {
    switch (command) {
        case Command::AddPhotos: return {QKeySequence::Open};
        case Command::SearchPhotos: return {QKeySequence::Find};
        case Command::Convert:
            return {QKeySequence(Qt::CTRL | Qt::Key_Return),
                    QKeySequence(Qt::CTRL | Qt::Key_Enter)};
        case Command::Help: return {QKeySequence::HelpContents};
        case Command::Delete: return {QKeySequence::Delete};
        case Command::SelectAll: return {QKeySequence::SelectAll};
        default: return {};
    }
}

}  // namespace

WindowActions::WindowActions(QWidget* window, QWidget* list) : QObject(window) {
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        const auto command = static_cast<Command>(i);
        QAction* action = new QAction(this);
        action->setShortcuts(KeysOf(command));
        if (command == Command::Delete) {
            action->setShortcutContext(Qt::WidgetShortcut);
            list->addAction(action);
        } else {
            window->addAction(action);
        }
        actions_[i] = action;
    }
    Get(Command::SelectAll)->setText(QStringLiteral("Select &all"));
    Get(Command::Sort)->setText(QStringLiteral("Sort"));
}

void WindowActions::Bind(QAbstractButton* button, Command command) {
    QAction* action = Get(command);
    action->setText(button->text());
    action->setToolTip(button->toolTip());
    const auto show = [button, action] {
        button->setText(action->text());
        button->setEnabled(action->isEnabled());
    };
    show();
    connect(action, &QAction::changed, button, show);
    connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
}

void WindowActions::Update(const WindowState& state) {
    for (std::size_t i = 0; i < actions_.size(); ++i)
        actions_[i]->setEnabled(IsEnabled(static_cast<Command>(i), state));
    Get(Command::Convert)
        ->setText(state.converting ? QStringLiteral("&Stop") : QStringLiteral("&Convert"));
}
