// The red line under a page's results that says what about them, or about
// the input behind them, the user should not take at face value.
#pragma once

class QLabel;
class QString;
class QWidget;

namespace vlm {

// An empty, word-wrapped label in red, with its object name.
[[nodiscard]] QLabel* createWarningLine(const QString& name, QWidget* parent);

}  // namespace vlm
