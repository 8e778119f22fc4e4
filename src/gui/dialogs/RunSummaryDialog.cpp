#include "dialogs/RunSummaryDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

#include "platform/Paths.h"

QString RunSummaryDialog::FailuresText(const RunSummary& summary) {
    QString text;
    for (const RunSummaryFailure& failure : summary.failures)
        text += paths::ToQString(failure.name) + QStringLiteral(": ") +
                QString::fromStdString(failure.plain) + QStringLiteral(" (") +
                QString::fromStdString(failure.technical) + QStringLiteral(")\n");
    return text;
}

RunSummaryDialog::RunSummaryDialog(const RunSummary& summary, std::function<void()> showLog,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("runSummary"));
    setWindowTitle(paths::ToQString(summary.caption));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QString::fromStdString(summary.text), this);
    text->setObjectName(QStringLiteral("summaryText"));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(text);

    auto* buttons = new QDialogButtonBox(this);
    if (!summary.failures.empty()) {
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("failureList"));
        for (const RunSummaryFailure& failure : summary.failures) {
            auto* item = new QListWidgetItem(paths::ToQString(failure.name) + QStringLiteral(": ") +
                                             QString::fromStdString(failure.plain));
            item->setToolTip(QString::fromStdString(failure.technical));
            list->addItem(item);
        }
        list->setMinimumWidth(460);
        list->setMaximumHeight(220);
        layout->addWidget(list);
        QPushButton* copy = buttons->addButton(tr("Co&py"), QDialogButtonBox::ActionRole);
        connect(copy, &QPushButton::clicked, this, [summary] {
            QApplication::clipboard()->setText(FailuresText(summary));
        });
    }
    QPushButton* log = buttons->addButton(tr("Show &log"), QDialogButtonBox::ActionRole);
    connect(log, &QPushButton::clicked, this, [showLog = std::move(showLog)] {
        if (showLog)
            showLog();
    });
    if (summary.canConvertRest) {
        QPushButton* rest = buttons->addButton(tr("Convert the &rest"), QDialogButtonBox::ActionRole);
        connect(rest, &QPushButton::clicked, this, [this] {
            choice_ = RunSummaryChoice::ConvertRest;
            accept();
        });
    }
    QPushButton* yes = buttons->addButton(QDialogButtonBox::Yes);
    QPushButton* no = buttons->addButton(QDialogButtonBox::No);
    connect(yes, &QPushButton::clicked, this, [this] {
        choice_ = RunSummaryChoice::OpenFolder;
        accept();
    });
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    yes->setDefault(true);
    layout->addWidget(buttons);
}

RunSummaryChoice RunSummaryDialog::Ask(QWidget* parent, const RunSummary& summary,
                                       std::function<void()> showLog) {
    RunSummaryDialog dialog(summary, std::move(showLog), parent);
    dialog.exec();
    return dialog.Choice();
}
