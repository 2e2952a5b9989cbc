#pragma once

#include <QAbstractListModel>
#include <QtGlobal>

#include <vector>

namespace tunbox {

// The working byte image of the last file or transfer operation: one unsigned
// 32-bit value per byte, as a settings, backup or firmware file or the unit's
// registration memory delivered it. Every operation refills it as a whole and
// reads it back as values; the hidden list TempListB2 shows it, one decimal
// line per value, through the list-model interface.
class WorkingImage : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit WorkingImage(QObject* parent = nullptr);

    // Replaces the whole image in one step (one model reset, whatever its size).
    void Refill(std::vector<quint32> values);
    void Clear();

    const std::vector<quint32>& Values() const { return values_; }
    std::size_t Count() const { return values_.size(); }
    bool IsEmpty() const { return values_.empty(); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    std::vector<quint32> values_;
};

} // namespace tunbox
