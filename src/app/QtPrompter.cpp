#include "app/QtPrompter.h"

#include <QMessageBox>
#include <QMetaObject>
#include <QThread>

QtPrompter::QtPrompter(QWidget* owner) : owner_(owner) {}

PromptAnswer QtPrompter::Ask(const std::string& text, const std::string& caption,
                             PromptButtons buttons, PromptIcon icon) {
    if (QThread::currentThread() == thread())
        return AskHere(text, caption, buttons, icon);
    PromptAnswer answer = PromptAnswer::No;
    QMetaObject::invokeMethod(
        this, [&] { answer = AskHere(text, caption, buttons, icon); },
        Qt::BlockingQueuedConnection);
    return answer;
}

PromptAnswer QtPrompter::AskHere(const std::string& text, const std::string& caption,
                                 PromptButtons buttons, PromptIcon icon) {
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case PromptIcon::None: boxIcon = QMessageBox::NoIcon; break;
    case PromptIcon::Information: boxIcon = QMessageBox::Information; break;
    case PromptIcon::Exclamation: boxIcon = QMessageBox::Warning; break;
    case PromptIcon::Error: boxIcon = QMessageBox::Critical; break;
    case PromptIcon::Question: boxIcon = QMessageBox::Question; break;
    }
    QMessageBox::StandardButtons standard =
        buttons == PromptButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok;
    QMessageBox box(boxIcon, QString::fromLocal8Bit(caption.c_str()),
                    QString::fromStdString(text), standard, owner_.data());
    int result = box.exec();
    if (buttons == PromptButtons::Ok)
        return PromptAnswer::Ok;
    return result == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
}
