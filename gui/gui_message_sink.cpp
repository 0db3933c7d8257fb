#include "gui/gui_message_sink.h"

#include <QApplication>

namespace vlm {

MessageBoxContent messageBoxContent(const Message& message) {
  MessageBoxContent box;
  box.title = QString::fromStdString(message.title);
  box.text = QString::fromStdString(message.text());
  switch (message.icon) {
    case MessageIcon::Error:
      box.icon = QMessageBox::Critical;
      break;
    case MessageIcon::Information:
      box.icon = QMessageBox::Information;
      break;
    case MessageIcon::Question:
      box.icon = QMessageBox::Question;
      break;
    case MessageIcon::Exclamation:
      box.icon = QMessageBox::Warning;
      break;
    case MessageIcon::None:
      box.icon = QMessageBox::NoIcon;
      break;
  }
  switch (message.buttons) {
    case MessageButtons::Ok:
      box.buttons = QMessageBox::Ok;
      box.defaultButton = QMessageBox::Ok;
      break;
    case MessageButtons::OkCancel:
      box.buttons = QMessageBox::Ok | QMessageBox::Cancel;
      box.defaultButton = QMessageBox::Ok;
      break;
    case MessageButtons::YesNo:
      box.buttons = QMessageBox::Yes | QMessageBox::No;
      box.defaultButton = QMessageBox::Yes;
      break;
  }
  return box;
}

MessageAnswer answerOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    default:
      return MessageAnswer::Ok;
  }
}

MessageAnswer GuiMessageSink::show(const Message& message) {
  const MessageBoxContent content = messageBoxContent(message);
  if (message.beep) QApplication::beep();
  QMessageBox box(content.icon, content.title, content.text, content.buttons, parent_);
  box.setDefaultButton(content.defaultButton);
  // Closing the box by its frame answers like its cancelling button.
  if (message.buttons == MessageButtons::OkCancel) box.setEscapeButton(QMessageBox::Cancel);
  if (message.buttons == MessageButtons::YesNo) box.setEscapeButton(QMessageBox::No);
  const int result = box.exec();
  return answerOf(static_cast<QMessageBox::StandardButton>(result));
}

}  // namespace vlm
