#include "gui/gui_message_sink.h"

#include <QApplication>

namespace vlm {

MessageBoxSpec messageBoxSpec(const Message& message) {
  MessageBoxSpec spec;
  spec.title = QString::fromStdString(message.title);
  spec.text = QString::fromStdString(message.text());
  switch (message.icon) {
    case MessageIcon::Error:
      spec.icon = QMessageBox::Critical;
      break;
    case MessageIcon::Information:
      spec.icon = QMessageBox::Information;
      break;
    case MessageIcon::Question:
      spec.icon = QMessageBox::Question;
      break;
    case MessageIcon::Exclamation:
      spec.icon = QMessageBox::Warning;
      break;
  }
  switch (message.buttons) {
    case MessageButtons::Ok:
      spec.buttons = QMessageBox::Ok;
      spec.defaultButton = QMessageBox::Ok;
      break;
    case MessageButtons::OkCancel:
      spec.buttons = QMessageBox::Ok | QMessageBox::Cancel;
      spec.defaultButton = QMessageBox::Ok;
      break;
    case MessageButtons::YesNo:
      spec.buttons = QMessageBox::Yes | QMessageBox::No;
      spec.defaultButton = QMessageBox::Yes;
      break;
  }
  return spec;
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
  const MessageBoxSpec spec = messageBoxSpec(message);
  if (message.beep) QApplication::beep();
  QMessageBox box(spec.icon, spec.title, spec.text, spec.buttons, parent_);
  box.setDefaultButton(spec.defaultButton);
  // Closing the box by its frame answers like its cancelling button.
  if (message.buttons == MessageButtons::OkCancel) box.setEscapeButton(QMessageBox::Cancel);
  if (message.buttons == MessageButtons::YesNo) box.setEscapeButton(QMessageBox::No);
  const int result = box.exec();
  return answerOf(static_cast<QMessageBox::StandardButton>(result));
}

}  // namespace vlm
