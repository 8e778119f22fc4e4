#include "window/OutputSettingsEditor.h"

#include <utility>

#include "model/OutputGeometry.h"
#include "platform/Prompter.h"
#include "window/PhotoListPanel.h"

OutputSettingsEditor::OutputSettingsEditor(PhotoListPanel& list, Prompter& prompter,
                                           EditDialog edit, EditSelection editSelection)
    : list_(list),
      prompter_(prompter),
      edit_(std::move(edit)),
      editSelection_(std::move(editSelection)) {}

void OutputSettingsEditor::RecomputeOutputSize(PhotoItem& photo) {
    PlanPhotoOutput(photo, prompter_);
}

// What the last run made of the photo no longer matches its settings.
void OutputSettingsEditor::ForgetLastResult(PhotoItem& photo) {
    photo.status = PhotoStatus::None;
    photo.statusReason.clear();
}

void OutputSettingsEditor::Options() {
    OutputPhotoFormat format = DefaultOutputPhotoFormat;
    if (!edit_(format))
        return;
    SetDefaults(format);
}

void OutputSettingsEditor::SetDefaults(const OutputPhotoFormat& format) {
    DefaultOutputPhotoFormat = format;
    OfferDefaultsToList();
}

void OutputSettingsEditor::OfferDefaultsToList() {
    if (list_.Count() <= 0)
        return;
    // Says which photos it means: the new settings are for photos added from
    // now on either way.
    const int count = list_.Count();
    const QString question =
        tr("Give the %n photos in the list these settings too?", nullptr, count);
    if (prompter_.Ask(question.toStdString(), tr("Question").toStdString(), PromptButtons::YesNo,
                      PromptIcon::Question) ==
        PromptAnswer::Yes) {
        for (int row = 0; row < list_.Count(); ++row) {
            PhotoItem& photo = list_.Photo(row);
            if (photo.m_outputPhotoFormat == DefaultOutputPhotoFormat)
                continue;
            photo.m_outputPhotoFormat = DefaultOutputPhotoFormat;
            RecomputeOutputSize(photo);
            ForgetLastResult(photo);
        }
    }
    list_.Refresh();
}

void OutputSettingsEditor::Edit() {
    const std::vector<int> rows = list_.SelectedRowsOrTell();
    if (rows.empty())
        return;
    std::vector<OutputPhotoFormat> formats;
    for (int row : rows) formats.push_back(list_.Photo(row).m_outputPhotoFormat);
    if (!editSelection_(formats))
        return;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        PhotoItem& photo = list_.Photo(rows[i]);
        if (photo.m_outputPhotoFormat == formats[i])
            continue;
        photo.m_outputPhotoFormat = formats[i];
        RecomputeOutputSize(photo);
        ForgetLastResult(photo);
    }
    // The rows stay, and so the selection.
    list_.ShowSettingsChanged(rows);
}
