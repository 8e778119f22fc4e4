#include "dialogs/AboutBox.h"

#include <QPushButton>

#include "dialogs/AppIcon.h"
#include "platform/ProductInfo.h"
#include "ui_AboutBox.h"

namespace {

QString Link(const char* url) {
    QString address = QString::fromLatin1(url);
    return QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped());
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::AboutBox>()) {
    ui_->setupUi(this);
    QIcon icon = QuillmereIcon();
    setWindowIcon(icon);
    ui_->labelIcon->setPixmap(icon.pixmap(QSize(64, 64), devicePixelRatioF()));

    QFont nameFont = ui_->labelName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.4);
    ui_->labelName->setFont(nameFont);
    ui_->labelName->setText(QString::fromLatin1(kProductName));
    ui_->labelVersion->setText(QString::fromLatin1(kProductVersionLine));
    ui_->labelNotice->setText(QString::fromUtf8(kNoticeLine));
    // Only an address the build was given: never one that leads nowhere.
    ui_->labelWebsite->setVisible(*SourceUrl() != '\0');
    ui_->labelWebsite->setText(tr("Source: %1").arg(Link(SourceUrl())));
    ui_->labelContact->hide();
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
}

AboutBox::~AboutBox() = default;

void AboutBox::Run(QWidget* parent) {
    AboutBox box(parent);
    box.exec();
}
