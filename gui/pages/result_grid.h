// A read-only table of texts with row and column headings, for the result
// tables of the seasonal-analysis page.
#pragma once

#include <QStringList>
#include <QTableWidget>
#include <optional>

#include "core/report/text_table.h"

namespace vlm {

class ResultGrid : public QTableWidget {
  Q_OBJECT

 public:
  ResultGrid(const QString& name, const QStringList& rows, const QStringList& columns,
             QWidget* parent);

  // Sets the text of a cell, right-aligned as numbers are. The columns stay
  // wide enough for every such text: the grid scrolls rather than cut one.
  void setText(int row, int column, const QString& text);
  // A text that may be cut, such as a list of tied guidelines: the whole of it
  // shows under the pointer, and the columns keep their width.
  void setLongText(int row, int column, const QString& text);
  [[nodiscard]] QString text(int row, int column) const;
  // Empties every cell; the headings stay.
  void clearTexts();
  // True when every cell is empty.
  [[nodiscard]] bool blank() const;
  // The headings and cells as they show, for "표 복사" and "표 저장..."; nullopt
  // while the grid is blank.
  [[nodiscard]] std::optional<TextTable> textTable() const;
};

}  // namespace vlm
