// An up-down button pair beside a text box: each click moves the number in the
// box by one within its range. The box itself stays a free text field, so that
// a blank or a mistyped period reaches the page's checks as typed.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace vlm {

class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent);

  // One step up or down; a box whose text is not a number starts from the
  // end of the range the step moves away from.
  void stepUp();
  void stepDown();

  [[nodiscard]] int minimum() const { return minimum_; }
  [[nodiscard]] int maximum() const { return maximum_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void step(int delta);

  QLineEdit* buddy_;
  int minimum_;
  int maximum_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace vlm
