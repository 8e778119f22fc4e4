#pragma once
// "Photo Output Options": edits one OutputPhotoFormat. The caller copies a
// record in (SetFormat), runs the dialog and, on Accepted, takes the edited
// record back (Format). Only the controls that matter for the chosen format,
// size rule and aspect rule are shown or enabled; which those are comes from
// the option tables, and the lists keep each row's stored id. OK validates
// the typed numbers against their rows' ranges and remembers format, pixel
// format and quality in the settings; the later settings (long edge, Do not
// enlarge, Lossless, camera data) live in the record only.

#include <QDialog>

#include <cstdint>
#include <memory>

#include <vector>

#include "dialogs/SelectionFields.h"
#include "model/OutputPhotoFormat.h"

class FileSizeLimitRow;
class FrameControls;
class Prompter;
struct NumberSetting;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QScrollArea;
class QtPrompter;

namespace Ui {
class CDialogPhotoOptions;
}

class CDialogPhotoOptions : public QDialog {
    Q_OBJECT
public:
    // The record starts as the built-in one, for the caller to replace.
    // Messages go through prompter (not owned); without one the dialog shows
    // its own boxes.
    explicit CDialogPhotoOptions(QWidget* parent = nullptr, Prompter* prompter = nullptr);
    ~CDialogPhotoOptions() override;

    void SetFormat(const OutputPhotoFormat& format) { SetSelection({format}); }
    const OutputPhotoFormat& Format() const { return m_format; }
    // Several photos' settings in one dialog ("Settings for 4 photos"): the
    // fields they differ in show that and stay each photo's own unless
    // edited. The first photo's settings fill the rest.
    void SetSelection(const std::vector<OutputPhotoFormat>& formats);
    // After OK: a photo's own settings with what the dialog set.
    OutputPhotoFormat AppliedTo(const OutputPhotoFormat& own) const {
        return Merged(own, m_format, kept_);
    }

    // Runs the initialisation on the first show, before the dialog appears.
    void setVisible(bool visible) override;

    // OK: reads the controls back with validation; on success stores format,
    // quality and pixel format and accepts. A failing field keeps it open.
    void accept() override;

    // Shows the pixel-format or the quality controls for an output format.
    void ShowFormatControls(int32_t format);
    // Checks the size rule's radio and enables the controls it reads.
    void ShowSizeTypeControls(int32_t type);
    // Check boxes and width/height visibility from nKeepAspectRatio.
    void ShowAspectControls();
    // Width and height rows shown as the aspect rule and the size rule say.
    void ShowSizeRows();
    // The description of the pixel-format list's current entry.
    void UpdatePixelFormatInfo();

private:
    void BuildChoices();
    void FitScreen();
    void InitDialog();
    void WriteControls();
    bool ReadControls();
    // The edit's number into value, refused (told, with the focus on the
    // edit) unless it is one the setting's row takes.
    bool ReadInt(QLineEdit* edit, int32_t& value, const NumberSetting& row);
    bool ReadDouble(QLineEdit* edit, double& value, const NumberSetting& row);
    void Refuse(QLineEdit* edit, const std::string& message);
    void Tell(const std::string& text, const std::string& caption);

    // The fields the photos differ in, shown so: an empty edit, a list's
    // "(different)" entry, no radio chosen, a partly ticked box.
    void ShowDiffering();
    // The differing fields still showing so, or, where the dialog cannot
    // show it, still as the first photo has them: each photo keeps its own.
    FieldSet StillDiffering() const;
    bool Differs(FormatField field) const { return At(differing_, field); }
    QLineEdit* EditOf(FormatField field) const;

    void OnKeepWidthClicked(bool checked);
    void OnKeepHeightClicked(bool checked);

    OutputPhotoFormat m_format;
    OutputPhotoFormat first_;  // the first photo's, as it came
    FieldSet differing_;
    FieldSet kept_;            // on OK: the fields each photo keeps
    std::unique_ptr<Ui::CDialogPhotoOptions> ui_;
    std::unique_ptr<QtPrompter> ownPrompter_;
    Prompter* prompter_;
    QButtonGroup* sizeGroup_;
    QButtonGroup* rotateGroup_;
    QButtonGroup* flipGroup_;
    FrameControls* frame_;
    bool initialised_ = false;
    FileSizeLimitRow* fileSizeRow_;
    QComboBox* palette_;  // the colours of 4- and 8-bit BMP
    QScrollArea* scroll_ = nullptr;
};
