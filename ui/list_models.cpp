#include "ui/list_models.h"

#include <QBrush>
#include <QColor>
#include <utility>

namespace mokuza::ui {
namespace {

QString text(const std::u16string& s) { return QString::fromStdU16String(s); }

std::vector<QString> texts(const std::vector<std::u16string>& cells) {
  std::vector<QString> out;
  out.reserve(cells.size());
  for (const std::u16string& cell : cells) out.push_back(text(cell));
  return out;
}

}  // namespace

ListTableModel::ListTableModel(Edit edit, QObject* parent) : QAbstractTableModel(parent), edit_(std::move(edit)) {}

void ListTableModel::setContent(const app::ListTabModel& model) {
  std::vector<QString> labels;
  std::vector<std::string> keys;
  std::vector<int> widths;
  std::vector<bool> editable;
  for (const app::ListTabColumn& column : model.columns) {
    labels.push_back(text(column.label));
    keys.push_back(column.key);
    widths.push_back(column.width);
    editable.push_back(column.editable);
  }
  std::vector<TableRow> rows;
  rows.reserve(model.rows.size());
  for (const app::ListTabRow& row : model.rows)
    rows.push_back({row.number, texts(row.cells), row.selected, row.shown, row.hit});
  replace(std::move(labels), std::move(keys), std::move(widths), std::move(editable), std::move(rows));
}

// A reset keeps it simple: the application composes whole tables anyway.
void ListTableModel::replace(std::vector<QString> labels, std::vector<std::string> keys, std::vector<int> widths,
                             std::vector<bool> editable, std::vector<TableRow> rows) {
  beginResetModel();
  labels_ = std::move(labels);
  keys_ = std::move(keys);
  widths_ = std::move(widths);
  editable_ = std::move(editable);
  rows_ = std::move(rows);
  endResetModel();
}

int ListTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ListTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(keys_.size());
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const TableRow& row = rows_[static_cast<std::size_t>(index.row())];
  const auto column = static_cast<std::size_t>(index.column());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return column < row.cells.size() ? row.cells[column] : QString();
    case Qt::BackgroundRole:
      if (row.selected) return QBrush(QColor(0x33, 0x66, 0xcc));
      if (row.hit) return QBrush(QColor(0xff, 0xf0, 0xb0));
      return {};
    case Qt::ForegroundRole:
      if (row.selected) return QBrush(Qt::white);
      if (row.shown) return QBrush(QColor(0xc0, 0x00, 0x00));
      return {};
    default: return {};
  }
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount()) return {};
  return labels_[static_cast<std::size_t>(section)];
}

Qt::ItemFlags ListTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.isValid() && index.column() < columnCount() && editable_[static_cast<std::size_t>(index.column())])
    f |= Qt::ItemIsEditable;
  return f;
}

// The model's edit function shows its own refusal; the table shows the
// application's text again either way.
bool ListTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
    return false;
  return edit_(rows_[static_cast<std::size_t>(index.row())].number, keys_[static_cast<std::size_t>(index.column())],
               value.toString());
}

}  // namespace mokuza::ui
