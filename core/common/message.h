// The message interface: the core reports every user-facing message to a sink
// that its caller passes in, and never opens a dialog or prints by itself.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace vlm {

// None is a plain box: text and buttons only.
enum class MessageIcon { Error, Information, Question, Exclamation, None };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

inline constexpr const char* kErrorTitle = "에러";
inline constexpr const char* kProgramTitle = "Velmora";

struct Message {
  std::string title;
  MessageIcon icon = MessageIcon::Error;
  std::vector<std::string> lines;
  MessageButtons buttons = MessageButtons::Ok;
  bool beep = false;

  // The lines joined with CR LF, as a message box shows them.
  [[nodiscard]] std::string text() const;
  bool operator==(const Message&) const = default;
};

// An error box: title "에러", error icon, OK.
[[nodiscard]] Message errorMessage(std::vector<std::string> lines);
// A completion or advice box: title "Velmora", information icon, OK.
[[nodiscard]] Message infoMessage(std::vector<std::string> lines);
// A question with Yes and No, title "Velmora".
[[nodiscard]] Message questionMessage(std::vector<std::string> lines);

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Shows the message and returns the answer (Ok for a plain box).
  virtual MessageAnswer show(const Message& message) = 0;
};

// Keeps every message for tests to inspect; questions are answered from a queue
// (Yes, or OK for OK/Cancel, when the queue is empty).
class RecordingSink final : public MessageSink {
 public:
  MessageAnswer show(const Message& message) override;
  void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  [[nodiscard]] const std::vector<Message>& messages() const { return messages_; }
  [[nodiscard]] bool empty() const { return messages_.empty(); }
  [[nodiscard]] std::size_t size() const { return messages_.size(); }
  [[nodiscard]] const Message& last() const { return messages_.back(); }
  void clear() { messages_.clear(); }

 private:
  std::vector<Message> messages_;
  std::deque<MessageAnswer> answers_;
};

// Discards messages; for callers that only want the return value.
class SilentSink final : public MessageSink {
 public:
  MessageAnswer show(const Message& message) override;
};

}  // namespace vlm
