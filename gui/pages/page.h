// The base of every page of the main window's content pane.
//
// A page is a form: its object name is the form's name ("frm11"), its window
// title the form's caption ("1-지역선택"). It is created hidden at start-up,
// runs its load work in its constructor, and keeps its state while hidden.
//
// Printing: the print command calls keepDrawingsForPrint() and then
// printPage() once per copy. By default the whole form is printed as it looks;
// every PictureBox in it paints itself through its Drawing on the printer's own
// painter, so charts come out as vectors at printer resolution, never as a
// screen grab. A page overrides the hooks only when it needs something else.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

#include "gui/app_state.h"

class QPainter;
class QRectF;

namespace vlm {

class PictureBox;

class Page : public QWidget {
  Q_OBJECT

 public:
  Page(AppState& state, const QString& formName, const QString& caption, QWidget* parent);

  // The print command's first step for this page: copy the drawings of its
  // pictures into their persistent images and set the page's print flag (if it
  // has one; see setPrintFlag).
  virtual void keepDrawingsForPrint();

  // How a printed form meets its sheet: at its natural size on paper (96 form
  // pixels per inch) from the top left, or smaller when it would not fit; or
  // as large as the sheet allows, centred on it.
  enum class PrintScale { Natural, Fill };

  // The size the form prints at, once the size its pane has given it is applied.
  [[nodiscard]] QSize printedSize();

  // Paints one copy of the form into `pageRect` (device coordinates of the painter).
  virtual void printPage(QPainter& painter, const QRectF& pageRect,
                         PrintScale scale = PrintScale::Natural);

  // The pictures of the form, in creation order.
  [[nodiscard]] QList<PictureBox*> pictures() const;

  [[nodiscard]] AppState& state() const { return state_; }

 protected:
  [[nodiscard]] MessageSink& sink() const { return state_.sink(); }
  // Runs an event handler's work, showing any failure in an "에러" box.
  bool guarded(const std::function<void()>& work) const;
  // The flag that keepDrawingsForPrint() sets (BioChartPrinted, RosePrinted or
  // DiagramPrinted); pages without pictures to keep have none.
  void setPrintFlag(bool PrintFlags::*flag) { printFlag_ = flag; }

 private:
  AppState& state_;
  bool PrintFlags::*printFlag_ = nullptr;
};

}  // namespace vlm
