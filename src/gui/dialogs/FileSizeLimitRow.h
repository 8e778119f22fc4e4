#pragma once
// "Limit file size to … KB" in the options dialog: the record's byte limit
// (nMaxFileSize), with a note on how the chosen format meets it.

#include <QObject>

#include <cstdint>
#include <string>

#include "model/OutputPhotoFormat.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QSpinBox;
class QLabel;
class QLineEdit;
class QWidget;

class FileSizeLimitRow : public QObject {
    Q_OBJECT
public:
    // Adds the row to the end of column, its widgets children of parent.
    FileSizeLimitRow(QWidget* parent, QBoxLayout* column);

    void Load(const OutputPhotoFormat& format);
    // The limit into format; on a value the row refuses, false with the edit
    // and the message to show.
    bool Read(OutputPhotoFormat& format, QLineEdit*& refused, std::string& message) const;
    // The note for an output format's settings (OutputFormatRow::settings,
    // 0 for none) and whether lossless is chosen; the search's settings
    // enabled where format (an OutputFormat id) reads them.
    void ShowFor(unsigned formatSettings, bool lossless, int32_t format = kFormatJpg);

    QCheckBox* Check() const { return check_; }
    QLineEdit* Edit() const { return edit_; }
    QLabel* Note() const { return note_; }

private:
    // The lowest quality the search tries, the colour detail and progressive
    // JPEG: a second row, made from the settings' table rows.
    void AddSearchRow(QWidget* parent, QBoxLayout* column);
    void EnableSearchRow();

    QCheckBox* check_;
    QSpinBox* minQuality_ = nullptr;
    QComboBox* chroma_ = nullptr;
    QCheckBox* progressive_ = nullptr;
    bool byQuality_ = true;
    int32_t format_ = kFormatJpg;
    QLineEdit* edit_;
    QLabel* note_;
    int64_t loadedBytes_ = 0;
    QString loadedText_;
};
