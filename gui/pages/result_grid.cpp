#include "gui/pages/result_grid.h"

#include <QHeaderView>
#include <QStyle>

namespace vlm {

ResultGrid::ResultGrid(const QString& name, const QStringList& rows, const QStringList& columns,
                       QWidget* parent)
    : QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.size()), parent) {
  setObjectName(name);
  setVerticalHeaderLabels(rows);
  setHorizontalHeaderLabels(columns);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  clearTexts();
}

void ResultGrid::setText(int row, int column, const QString& text) {
  item(row, column)->setText(text);
  // Stretched columns share the width equally but go no narrower than this.
  const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
  const int width = fontMetrics().horizontalAdvance(text) + margins + 2;
  QHeaderView* header = horizontalHeader();
  if (width > header->minimumSectionSize()) header->setMinimumSectionSize(width);
}

void ResultGrid::setLongText(int row, int column, const QString& text) {
  item(row, column)->setText(text);
  item(row, column)->setToolTip(text);
}

QString ResultGrid::text(int row, int column) const { return item(row, column)->text(); }

void ResultGrid::clearTexts() {
  for (int r = 0; r < rowCount(); ++r) {
    for (int c = 0; c < columnCount(); ++c) {
      auto* cell = new QTableWidgetItem;
      cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      setItem(r, c, cell);
    }
  }
}

bool ResultGrid::blank() const {
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c)
      if (!text(r, c).isEmpty()) return false;
  return true;
}

std::optional<TextTable> ResultGrid::textTable() const {
  if (blank()) return std::nullopt;
  TextTable table;
  std::vector<std::string> heading{""};
  for (int c = 0; c < columnCount(); ++c)
    heading.push_back(horizontalHeaderItem(c)->text().toStdString());
  table.rows.push_back(std::move(heading));
  for (int r = 0; r < rowCount(); ++r) {
    std::vector<std::string> row{verticalHeaderItem(r)->text().toStdString()};
    for (int c = 0; c < columnCount(); ++c) row.push_back(text(r, c).toStdString());
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace vlm
