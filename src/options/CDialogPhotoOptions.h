#pragma once
// "Photo Output Options": edits one OutputPhotoFormat. The caller copies a
// record in (SetFormat or the members), runs the dialog and, on Accepted,
// copies the members back (Format). Only the controls that matter for the
// chosen format, size type and aspect rule are shown; OK validates the typed
// numbers and remembers format, pixel format and quality in the settings.

#include <QDialog>

#include <cstdint>
#include <memory>

#include "options/OutputPhotoFormat.h"

class Prompter;
class QButtonGroup;
class QLineEdit;
class QtPrompter;

namespace Ui {
class CDialogPhotoOptions;
}

class CDialogPhotoOptions : public QDialog {
    Q_OBJECT
public:
    // Members start from section "Option" of the settings store. Messages go
    // through prompter (not owned); without one the dialog shows its own boxes.
    explicit CDialogPhotoOptions(QWidget* parent = nullptr, Prompter* prompter = nullptr);
    ~CDialogPhotoOptions() override;

    void SetFormat(const OutputPhotoFormat& format);
    OutputPhotoFormat Format() const;

    // Runs the initialisation on the first show, before the dialog appears.
    void setVisible(bool visible) override;

    // OK: reads the controls back with validation; on success stores format,
    // quality and pixel format and accepts. A failing field keeps it open.
    void accept() override;

    // Shows the pixel-format or the quality controls for an output format.
    void ShowFormatControls(int32_t format);
    // Checks the size type's radio and enables the controls that belong to it.
    void ShowSizeTypeControls(int32_t type);
    // Check boxes and width/height visibility from nKeepAspectRatio.
    void ShowAspectControls();
    // Description and constants of the pixel-format list's current entry.
    void UpdatePixelFormatInfo();

    // The record's fields.
    int32_t nOuputSizeType;
    int32_t nOutputWidth;
    int32_t nOutputHeight;
    int32_t nOuptputFormat;
    int32_t nKeepAspectRatio;
    double dStretchHorizontal;
    double dStretchVertical;
    int32_t nRotateAngel;
    int32_t nFlipType;
    int32_t iComboPixelFormat;
    int32_t nCurrentJpegQuality;
    // Worked out for the description only; not part of the record.
    uint32_t m_indexedPixelFormat;
    uint32_t m_pixelFormat;

private:
    void InitDialog();
    void WriteControls();
    bool ReadControls();
    bool ReadInt(QLineEdit* edit, int32_t& value, bool ranged, int32_t min, int32_t max);
    bool ReadDouble(QLineEdit* edit, double& value, double min, double max);
    void Refuse(QLineEdit* edit, const std::string& message);
    void Tell(const std::string& text, const std::string& caption);

    void OnKeepWidthClicked(bool checked);
    void OnKeepHeightClicked(bool checked);

    std::unique_ptr<Ui::CDialogPhotoOptions> ui_;
    std::unique_ptr<QtPrompter> ownPrompter_;
    Prompter* prompter_;
    QButtonGroup* sizeGroup_;
    QButtonGroup* rotateGroup_;
    QButtonGroup* flipGroup_;
    bool initialised_ = false;
};
