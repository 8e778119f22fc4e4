#pragma once
// The About box: icon, name, version, notice and our addresses.

#include <QDialog>

#include <memory>

namespace Ui {
class AboutBox;
}

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    ~AboutBox() override;

    // Shows the box modally over parent.
    static void Run(QWidget* parent);

private:
    std::unique_ptr<Ui::AboutBox> ui_;
};
