#pragma once
// Where a run writes and how it names its outputs, as the window's controls
// show it: the output folder and one OutputNaming record (the prefix
// m_batch_renamer, Not rename, the date in the names, Keep sub-folders).

#include <QObject>

#include <string>

#include "platform/Status.h"
#include "model/OutputNaming.h"
#include "model/PhotoItem.h"
#include "run/MultiOutput.h"
#include "window/PlacesRow.h"

class Prompter;

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

struct DestinationControls {
    QLineEdit* folder;
    QLabel* prefixLabel;
    QLineEdit* prefix;
    QLabel* suffixLabel;
    QComboBox* date;
    QCheckBox* notRename;
    QCheckBox* keepFolders;
};

class DestinationPanel : public QObject {
    Q_OBJECT
public:
    // Starts at outputFolder (given a trailing '/') with the prefix and the
    // date choice of the settings; fills the date list.
    DestinationPanel(const DestinationControls& controls, const std::string& outputFolder,
                     QObject* parent = nullptr);

    // As last taken from the controls (Not rename as last clicked).
    const std::string& OutputFolder() const { return m_outputFolder; }
    const OutputNaming& Naming() const { return naming_; }

    void ToControls();
    void FromControls();

    // The row of the name template, places, file dates and outputs, which
    // the controls then include.
    void SetPlacesRow(PlacesRow* row);
    // Where the outputs go, as last taken from the controls.
    OutputPlace Place() const { return place_; }
    // The example name of the first of photos, from what the controls hold.
    void ShowExample(const std::vector<PhotoItem>& photos);
    // The presets ticked for the run as its outputs; false when one cannot
    // be read (told).
    bool RunOutputs(std::vector<RunOutput>& outputs, Prompter& prompter) const;

    // A chosen folder: only the folder box shows it, so what was typed into
    // the others stays.
    void SetOutputFolder(const std::string& folder);
    // A preset's naming, into the record and the controls; the folder stays.
    void Apply(const OutputNaming& naming);
    // The output folder, the prefix and the date choice, for the next start.
    [[nodiscard]] Status Save() const;
    // The stored naming date the settings file held but no choice takes
    // (the file date is used instead); success when none.
    const Status& RefusedStored() const { return refused_; }

private:
    // Not rename greys out what only renaming uses.
    void ShowNotRename();

    DestinationControls controls_;
    std::string m_outputFolder;
    OutputNaming naming_;
    Status refused_;
    PlacesRow* places_ = nullptr;
    OutputPlace place_ = OutputPlace::RunFolder;
};
