#include "core/climate/text_line_reader.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <istream>

#include "core/common/file_error.h"

namespace vlm {

TextLineReader::TextLineReader(std::istream& in, std::size_t maxLength)
    : in_(in), maxLength_(maxLength) {}

TextLineReader::Status TextLineReader::next(std::string& line) {
  line.clear();
  if (stopped_) return Status::End;
  std::streambuf* buffer = in_.rdbuf();
  if (buffer == nullptr || !in_.good()) return Status::End;
  constexpr auto eof = std::char_traits<char>::eof();
  bool anything = false;
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == eof) break;
    anything = true;
    if (c == '\n') {
      ++lineNumber_;
      return Status::Line;
    }
    // A CR belongs to the terminator only right before LF or at the end of the file.
    if (c == '\r') {
      const int following = buffer->sgetc();
      if (following == '\n' || following == eof) continue;
    }
    if (line.size() == maxLength_) {
      line.push_back(static_cast<char>(c));
      ++lineNumber_;
      stopped_ = true;
      return Status::TooLong;
    }
    line.push_back(static_cast<char>(c));
  }
  stopped_ = true;
  if (!anything) return Status::End;
  ++lineNumber_;
  return Status::Line;
}

void openForReading(std::ifstream& stream, const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) throwFileError(EISDIR, path);
  errno = 0;
  stream.open(path, std::ios::binary);
  if (!stream.is_open()) throwFileError(errno != 0 ? errno : ENOENT, path);
}

}  // namespace vlm
