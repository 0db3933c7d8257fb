// The desktop's message sink: every core and page message becomes a modal
// QMessageBox with the message's title, icon, buttons and CR LF joined lines.
#pragma once

#include <QMessageBox>

#include "core/common/message.h"

class QWidget;

namespace vlm {

// The QMessageBox settings of a message (kept apart from showing it, so that
// the mapping can be checked without a modal loop).
struct MessageBoxContent {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
};

[[nodiscard]] MessageBoxContent messageBoxContent(const Message& message);
[[nodiscard]] MessageAnswer answerOf(QMessageBox::StandardButton button);

class GuiMessageSink final : public MessageSink {
 public:
  // Boxes are centred on `parent` (the main window once it exists).
  explicit GuiMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  MessageAnswer show(const Message& message) override;

 private:
  QWidget* parent_;
};

}  // namespace vlm
