#include "core/climate/text_line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>

#include "core/common/file_error.h"

namespace vlm {

namespace {

// Large enough that a weather year takes a few dozen reads, small enough to
// cost nothing beside the year it holds.
constexpr std::size_t kBlockBytes = std::size_t{64} * 1024;

}  // namespace

TextLineReader::TextLineReader(std::istream& in, std::size_t maxLength,
                               std::pmr::memory_resource* memory)
    : in_(in), maxLength_(maxLength), buffer_(memory) {}

TextLineReader::Status TextLineReader::next(std::string& line) {
  std::string_view view;
  const Status status = next(view);
  line.assign(view);
  return status;
}

TextLineReader::Status TextLineReader::next(std::string_view& line) {
  line = {};
  if (stopped_) return Status::End;
  // Up to maxLength + 1 characters and the LF: one more character than a line
  // may hold is either the CR of the terminator or the proof that it is too long.
  const std::size_t window = maxLength_ + 2;
  if (buffer_.empty()) {
    // The first read takes no more than one line can be; later reads grow to
    // whole blocks once lines are seen to end.
    readSize_ = window;
    buffer_.resize(window + kBlockBytes);
  }
  for (;;) {
    const std::string_view held(buffer_.data() + begin_, end_ - begin_);
    const std::size_t searched = std::min(held.size(), window);
    if (const void* lf = std::memchr(held.data(), '\n', searched)) {
      const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - held.data());
      begin_ += length + 1;
      return finish(held.substr(0, length), line);
    }
    if (held.size() >= window) return tooLong(held, line);
    if (drained_) {
      stopped_ = true;
      begin_ = end_;
      // An empty remainder after the last terminator is no line.
      return held.empty() ? Status::End : finish(held, line);
    }
    refill();
  }
}

TextLineReader::Status TextLineReader::finish(std::string_view content, std::string_view& line) {
  // A CR belongs to the terminator only right before LF or at the end of the file.
  if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
  if (content.size() > maxLength_) return tooLong(content, line);
  ++lineNumber_;
  line = content;
  return Status::Line;
}

TextLineReader::Status TextLineReader::tooLong(std::string_view start, std::string_view& line) {
  line = start.substr(0, maxLength_ + 1);
  ++lineNumber_;
  stopped_ = true;
  return Status::TooLong;
}

// Moves the bytes not yet returned to the front and reads the next block after them.
void TextLineReader::refill() {
  const std::size_t held = end_ - begin_;
  std::memmove(buffer_.data(), buffer_.data() + begin_, held);
  begin_ = 0;
  end_ = held;
  const std::size_t size = std::min(readSize_, buffer_.size() - end_);
  in_.read(buffer_.data() + end_, static_cast<std::streamsize>(size));
  end_ += static_cast<std::size_t>(in_.gcount());
  readSize_ = std::min(2 * readSize_, kBlockBytes);
  // A read that comes back short has met the end of the text (or a read error).
  if (!in_) drained_ = true;
}

void openForReading(std::ifstream& stream, const std::string& path) {
  std::error_code error;
  const auto type = std::filesystem::status(path, error).type();
  if (type == std::filesystem::file_type::directory) throwFileError(EISDIR, path);
  // A pipe or device would block the open or never end: only a file is a source.
  if (!error && type != std::filesystem::file_type::regular) throwFileError(ENOENT, path);
  errno = 0;
  stream.open(path, std::ios::binary);
  if (!stream.is_open()) throwFileError(errno != 0 ? errno : ENOENT, path);
}

}  // namespace vlm
