#pragma once
// The photo list as the list view shows it: read-only columns over the
// window's vector of photos. The vector stays the window's; the model only
// has to be told when it changed.

#include <QAbstractTableModel>
#include <QHash>

#include <vector>

#include "model/PhotoItem.h"
#include "model/PhotoListOps.h"

class ThumbnailLoader;

class PhotoListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PhotoListModel(const std::vector<PhotoItem>& photos, QObject* parent = nullptr);

    // The file names show the loader's thumbnails, asked for as the view
    // shows their rows.
    void SetThumbnails(ThumbnailLoader* loader);

    // Every row is new (the view's selection is cleared).
    void Reset();
    // Rows first..last show other photos now; the rows stay (and so the
    // selection).
    void RowsChanged(int first, int last);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The column's text for one photo.
    static QString CellText(const PhotoItem& photo, int column);
    static QString StatusText(PhotoStatus status);
    // The output format and, for a lossy one, its quality: "WebP 82".
    static QString FormatText(const PhotoItem& photo);
    // The folder below the searched one ("2024/Rome"), "" for a photo found
    // in the searched folder itself; for a photo added on its own, its
    // folder ("~" for the home folder).
    static QString FolderText(const PhotoItem& photo);
    // The column widths of a fresh window, in pixels.
    static int DefaultWidth(int column);

private:
    void ThumbnailReady(const QString& path);

    const std::vector<PhotoItem>& photos_;
    int shownRows_ = 0;  // rows the view knows of, until the next Reset
    ThumbnailLoader* thumbnails_ = nullptr;
    mutable QHash<QString, int> askedRows_;  // the row each thumbnail was asked for
};
