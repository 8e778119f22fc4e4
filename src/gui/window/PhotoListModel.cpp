#include "window/PhotoListModel.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "imaging/ThumbnailLoader.h"
#include "model/OptionTables.h"
#include "platform/Paths.h"
#include "window/LocalFigures.h"

PhotoListModel::PhotoListModel(const std::vector<PhotoItem>& photos, QObject* parent)
    : QAbstractTableModel(parent), photos_(photos) {}

void PhotoListModel::SetThumbnails(ThumbnailLoader* loader) {
    thumbnails_ = loader;
    if (loader)
        connect(loader, &ThumbnailLoader::Ready, this, &PhotoListModel::ThumbnailReady);
}

void PhotoListModel::ThumbnailReady(const QString& path) {
    const int rows = rowCount();
    int row = askedRows_.take(path);
    // The list may have changed order since it was asked for.
    if (row >= rows || paths::ToQString(photos_[std::size_t(row)].strSourcePath) != path) {
        row = -1;
        for (int at = 0; at < rows && row < 0; ++at)
            if (paths::ToQString(photos_[std::size_t(at)].strSourcePath) == path)
                row = at;
    }
    if (row >= 0) {
        const QModelIndex cell = index(row, kColumnFileName);
        emit dataChanged(cell, cell, {Qt::DecorationRole});
    }
}

void PhotoListModel::Reset() {
    beginResetModel();
    shownRows_ = static_cast<int>(photos_.size());
    endResetModel();
}

void PhotoListModel::RowsChanged(int first, int last) {
    if (first > last || first < 0 || last >= shownRows_)
        return;
    emit dataChanged(index(first, 0), index(last, kColumnCount - 1), {Qt::DisplayRole});
}

int PhotoListModel::rowCount(const QModelIndex& parent) const {
    // The vector may have grown or shrunk since the last Reset; the view only
    // sees rows that exist in both.
    if (parent.isValid())
        return 0;
    return std::min(shownRows_, static_cast<int>(photos_.size()));
}

int PhotoListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString PhotoListModel::StatusText(PhotoStatus status) {
    switch (status) {
    case PhotoStatus::None: return {};
    case PhotoStatus::Waiting: return tr("Waiting");
    case PhotoStatus::Converting: return tr("Converting");
    case PhotoStatus::Converted: return tr("Converted");
    case PhotoStatus::Skipped: return tr("Skipped");
    case PhotoStatus::Failed: return tr("Failed");
    case PhotoStatus::NotConverted: return tr("Not converted");
    }
    return {};
}

QString PhotoListModel::CellText(const PhotoItem& photo, int column) {
    const OutputPhotoFormat& out = photo.m_outputPhotoFormat;
    switch (column) {
    case kColumnFileName: return paths::ToQString(photo.strFileName);
    case kColumnSourceSize: return QStringLiteral("%1*%2").arg(photo.nWidth).arg(photo.nHeight);
    case kColumnTime: return LocalFigures::Time(photo.strTime);
    case kColumnOutputSize: return QStringLiteral("%1*%2").arg(out.nOutputWidth).arg(out.nOutputHeight);
    case kColumnRotate: return QString::number(out.nRotateAngel);
    case kColumnFormat: return FormatText(photo);
    case kColumnFolder: return FolderText(photo);
    case kColumnStatus: return StatusText(photo.status);
    default: return {};
    }
}

QString PhotoListModel::FormatText(const PhotoItem& photo) {
    const OutputPhotoFormat& out = photo.m_outputPhotoFormat;
    // "Same as the source" shows what the photo is written as.
    const OutputFormatRow* row = OutputFormatFor(out.nOuptputFormat, photo.strSourceFormat);
    if (!row)
        return QString::number(out.nOuptputFormat);
    QString text = QString::fromUtf8(row->listText);
    if (row->settings & kUsesQuality)
        text += QStringLiteral(" %1").arg(out.nCurrentJpegQuality);
    return text;
}

QString PhotoListModel::FolderText(const PhotoItem& photo) {
    const QString path = paths::ToQString(photo.strSourcePath);
    const QString folder = QFileInfo(path).path();
    const QString root = paths::ToQString(photo.strSearchRoot);
    if (!root.isEmpty() && path.startsWith(root)) {
        const QString below = QFileInfo(path.mid(root.size())).path();
        return below == QLatin1String(".") ? QString() : below;
    }
    const QString home = QDir::homePath();
    if (folder == home || folder.startsWith(home + QLatin1Char('/')))
        return QLatin1Char('~') + folder.mid(home.size());
    return folder;
}

QVariant PhotoListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const PhotoItem& photo = photos_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return CellText(photo, index.column());
    if (role == Qt::DecorationRole && index.column() == kColumnFileName && thumbnails_) {
        const QString path = paths::ToQString(photo.strSourcePath);
        const QImage thumbnail = thumbnails_->Get(path);
        if (thumbnail.isNull())
            askedRows_.insert(path, index.row());
        return thumbnail.isNull() ? QVariant() : QVariant(thumbnail);
    }
    if (role == Qt::TextAlignmentRole)  // names and folders read from their start
        return int(index.column() == kColumnFileName || index.column() == kColumnFolder
                       ? Qt::AlignLeft | Qt::AlignVCenter
                       : Qt::AlignCenter);
    if (role == Qt::ToolTipRole && index.column() == kColumnFolder)
        return QFileInfo(paths::ToQString(photo.strSourcePath)).path();
    if (role == Qt::ToolTipRole && index.column() == kColumnFileName)
        return paths::ToQString(photo.strSourcePath);
    if (role == Qt::ToolTipRole && index.column() == kColumnStatus && !photo.statusReason.empty())
        return QString::fromStdString(photo.statusReason);
    return {};
}

QVariant PhotoListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case kColumnFileName: return tr("File name");
    case kColumnSourceSize: return tr("Width * Height");
    case kColumnTime: return tr("Time");
    case kColumnOutputSize: return tr("Output Width * Height");
    case kColumnRotate: return tr("Rotate");
    case kColumnFormat: return tr("Format");
    case kColumnFolder: return tr("Folder");
    case kColumnStatus: return tr("Status");
    default: return {};
    }
}

int PhotoListModel::DefaultWidth(int column) {
    static constexpr int kWidths[kColumnCount] = {200, 100, 150, 141, 100, 110, 120, 100};
    return column >= 0 && column < kColumnCount ? kWidths[column] : 100;
}
