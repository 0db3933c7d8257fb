#include "core/common/message.h"

#include <utility>

namespace vlm {

std::string Message::text() const {
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += "\r\n";
    joined += lines[i];
  }
  return joined;
}

Message errorMessage(std::vector<std::string> lines) {
  return Message{kErrorTitle, MessageIcon::Error, std::move(lines), MessageButtons::Ok, false};
}

Message infoMessage(std::vector<std::string> lines) {
  return Message{kProgramTitle, MessageIcon::Information, std::move(lines), MessageButtons::Ok,
                 false};
}

Message questionMessage(std::vector<std::string> lines) {
  return Message{kProgramTitle, MessageIcon::Question, std::move(lines), MessageButtons::YesNo,
                 false};
}

static MessageAnswer defaultAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo:
      return MessageAnswer::Yes;
    case MessageButtons::OkCancel:
    case MessageButtons::Ok:
      break;
  }
  return MessageAnswer::Ok;
}

MessageAnswer RecordingSink::show(const Message& message) {
  messages_.push_back(message);
  if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers_.empty()) return defaultAnswer(message.buttons);
  const MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

MessageAnswer SilentSink::show(const Message& message) { return defaultAnswer(message.buttons); }

}  // namespace vlm
