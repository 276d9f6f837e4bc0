#include "ui/movie_list_model.h"

#include <QColor>

namespace filmotas::ui {

MovieListModel::MovieListModel(FrmListaFilmotas& lista, QObject* parent)
    : QAbstractTableModel(parent), lista_(lista) {}

void MovieListModel::refresh(const QString& typed, bool duplicatesOnly) {
  beginResetModel();
  rows_ = lista_.shownEntries(typed.toStdString(), duplicatesOnly);
  endResetModel();
}

int MovieListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MovieListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

// Drawn while the window paints: a row that cannot be drawn (no memory left) stays empty.
QVariant MovieListModel::data(const QModelIndex& index, int role) const {
  try {
    return entryData(entryAt(index.row()), role);
  } catch (...) {
    return {};
  }
}

QVariant MovieListModel::entryData(std::int32_t entry, int role) const {
  const bool damaged = lista_.list().state(entry) != RecordState::title;
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(lista_.list().caption(entry));
    case Qt::EditRole:   // a damaged record is corrected from an empty box
      return damaged ? QString() : QString::fromStdString(lista_.list().caption(entry));
    case Qt::ForegroundRole:
      return damaged ? QVariant(QColor(Qt::darkRed)) : QVariant();
    default:
      return {};
  }
}

QVariant MovieListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return QStringLiteral("Título");
  return QString::number(entryAt(section) + 1);   // the record number
}

// What lies beyond the records the game can use can only be removed.
Qt::ItemFlags MovieListModel::flags(const QModelIndex& index) const {
  const bool beyond = lista_.list().state(entryAt(index.row())) == RecordState::beyond;
  return QAbstractTableModel::flags(index) | (beyond ? Qt::NoItemFlags : Qt::ItemIsEditable);
}

// The row stays where it is; the entries keep their numbers after a correction.
bool MovieListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !lista_.correct(entryAt(index.row()), value.toString().toStdString())) {
    return false;
  }
  emit dataChanged(index, index);
  return true;
}

}  // namespace filmotas::ui
