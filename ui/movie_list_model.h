#pragma once
// The rows of the list window: one a shown entry, its record number in the row header
// and its title (or what is wrong with the record) in the one column. Rows are drawn on
// demand, so a list of 32767 titles costs no widget and no text until it is seen.
#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "movielist/frm_lista_filmotas.h"

namespace filmotas::ui {

class MovieListModel : public QAbstractTableModel {
 public:
  MovieListModel(FrmListaFilmotas& lista, QObject* parent);

  // Shows the entries that match the filter box's text and the duplicates box.
  void refresh(const QString& typed, bool duplicatesOnly);
  std::int32_t entryAt(int row) const { return rows_.at(static_cast<std::size_t>(row)); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Correcting a title in place: the list is rewritten, or the player is told why not.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  QVariant entryData(std::int32_t entry, int role) const;

  FrmListaFilmotas& lista_;
  std::vector<std::int32_t> rows_;
};

}  // namespace filmotas::ui
