#pragma once
// A tab of the list window as a Qt item model. It reads what the
// application's tab model composed: the cells as written, the shown row and
// the selection as colours; an edited cell goes back to the edit function,
// which decides whether it is taken.

#include <QAbstractTableModel>
#include <functional>
#include <string>
#include <vector>

#include "app/list_tab_model.h"

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
  // `edit` takes the row's number, the column's key and the typed text; the
  // model's columns say which cells take text.
  using Edit = std::function<bool(int number, const std::string& key, const QString& text)>;
  explicit ListTableModel(Edit edit, QObject* parent = nullptr);

  void setContent(const app::ListTabModel& model);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

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
