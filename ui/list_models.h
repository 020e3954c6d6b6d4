#pragma once
// The tables of the list window's tabs as Qt item models. Each reads what the
// application's list models composed: the cells as written, the shown row and
// the selection as colours; an edited cell goes back to the model's edit
// function, which decides whether it is taken.

#include <QAbstractTableModel>
#include <functional>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/list_tabs.h"
#include "app/list_window.h"

namespace mokuza::ui {

struct TableRow {
  int number = 0;  // the playlist record, the move or the figure
  std::vector<QString> cells;
  bool selected = false;
  bool shown = false;
  bool hit = false;
};

class ListTableModel : public QAbstractTableModel {
 public:
  // `edit` takes the row's number, the column's key and the typed text; null
  // for a table that is not edited in place.
  using Edit = std::function<bool(int number, const std::string& key, const QString& text)>;
  explicit ListTableModel(Edit edit = {}, QObject* parent = nullptr);

  void setContent(const app::PlaylistTabView& view);
  void setContent(const app::TabModel& model);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  const std::vector<TableRow>& rows() const { return rows_; }
  const std::vector<std::string>& keys() const { return keys_; }
  const std::vector<int>& widths() const { return widths_; }

 private:
  void replace(std::vector<QString> labels, std::vector<std::string> keys, std::vector<int> widths,
               std::vector<bool> editable, std::vector<TableRow> rows);

  Edit edit_;
  std::vector<QString> labels_;
  std::vector<std::string> keys_;
  std::vector<int> widths_;
  std::vector<bool> editable_;
  std::vector<TableRow> rows_;
};

}  // namespace mokuza::ui
