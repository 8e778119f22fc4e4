#include "window/OutputSettingsEditor.h"

#include <utility>

#include "model/OutputGeometry.h"
#include "platform/Prompter.h"
#include "window/PhotoListPanel.h"

OutputSettingsEditor::OutputSettingsEditor(PhotoListPanel& list, Prompter& prompter,
                                           EditDialog edit)
    : list_(list), prompter_(prompter), edit_(std::move(edit)) {}

void OutputSettingsEditor::RecomputeOutputSize(PhotoItem& photo) {
    PlanPhotoOutput(photo, prompter_);
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
    const std::string question = "Give the " + std::to_string(list_.Count()) + " photo" +
                                 (list_.Count() == 1 ? "" : "s") + " in the list these settings too?";
    if (prompter_.Ask(question, "Question", PromptButtons::YesNo, PromptIcon::Question) ==
        PromptAnswer::Yes) {
        for (int row = 0; row < list_.Count(); ++row) {
            PhotoItem& photo = list_.Photo(row);
            photo.m_outputPhotoFormat = DefaultOutputPhotoFormat;
            RecomputeOutputSize(photo);
        }
    }
    list_.Refresh();
}

void OutputSettingsEditor::Edit() {
    const std::vector<int> rows = list_.SelectedRowsOrTell();
    if (rows.empty())
        return;
    for (int row : rows) {
        PhotoItem& photo = list_.Photo(row);
        OutputPhotoFormat format = photo.m_outputPhotoFormat;
        if (!edit_(format))
            continue;
        photo.m_outputPhotoFormat = format;
        RecomputeOutputSize(photo);
    }
    list_.Refresh();
}
