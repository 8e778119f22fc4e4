#pragma once
// Alt letters of the labels in a shown, active window.

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <utility>

// Presses each visible label's Alt letter until its enabled field has the
// focus: at once, or after the other controls sharing the letter had their
// turn (Qt passes a shared letter round them). Returns the number of
// labels tried and the text of the first that never reached its field
// (empty when all did, "<text> (no letter)" for a label without one).
inline std::pair<int, QString> LabelWhoseLetterMissesItsField(QWidget* window) {
    int labels = 0;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        QWidget* field = label->buddy();
        if (!label->isVisible() || !field || !field->isEnabled())
            continue;
        const QKeySequence key = QKeySequence::mnemonic(label->text());
        if (key.isEmpty())
            return {labels, label->text() + QStringLiteral(" (no letter)")};
        bool reached = false;
        for (int press = 0; press < 6 && !reached; ++press) {
            QTest::keySequence(window, key);
            reached = QApplication::focusWidget() == field;
        }
        if (!reached)
            return {labels, label->text()};
        ++labels;
    }
    return {labels, QString()};
}
