#pragma once
// "Limit file size to … KB" in the options dialog: the record's byte limit
// (nMaxFileSize), with a note on how the chosen format meets it.

#include <QObject>

#include <cstdint>
#include <string>

#include "model/OutputPhotoFormat.h"

class QBoxLayout;
class QCheckBox;
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
    // 0 for none) and whether lossless is chosen.
    void ShowFor(unsigned formatSettings, bool lossless);

    QCheckBox* Check() const { return check_; }
    QLineEdit* Edit() const { return edit_; }
    QLabel* Note() const { return note_; }

private:
    QCheckBox* check_;
    QLineEdit* edit_;
    QLabel* note_;
    int64_t loadedBytes_ = 0;
    QString loadedText_;
};
