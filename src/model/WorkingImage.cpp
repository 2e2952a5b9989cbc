#include "model/WorkingImage.h"

namespace tunbox {

WorkingImage::WorkingImage(QObject* parent) : QAbstractListModel(parent) {}

void WorkingImage::Refill(std::vector<quint32> values) {
    beginResetModel();
    values_ = std::move(values);
    endResetModel();
}

void WorkingImage::Clear() {
    Refill({});
}

int WorkingImage::rowCount(const QModelIndex& parent) const {
    // A list has no children; a firmware image of 16 MiB still fits an int.
    return parent.isValid() ? 0 : static_cast<int>(values_.size());
}

QVariant WorkingImage::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return QString::number(values_[static_cast<std::size_t>(index.row())]);
}

} // namespace tunbox
