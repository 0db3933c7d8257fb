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
  if (stopped_ || !in_.good()) {
    stopped_ = true;
    return Status::End;
  }
  // Up to maxLength + 1 characters: one more than a line may hold, which is
  // either a CR of the terminator or the proof that the line is too long.
  buffer_.resize(maxLength_ + 2);
  in_.get(buffer_.data(), static_cast<std::streamsize>(buffer_.size()), '\n');
  line.assign(buffer_.data(), static_cast<std::size_t>(in_.gcount()));
  if (in_.fail() && !in_.eof()) in_.clear();  // an empty line extracts nothing
  std::streambuf* source = in_.rdbuf();
  constexpr auto eof = std::char_traits<char>::eof();
  const int following = source->sgetc();
  if (following != '\n' && following != eof) return tooLong();
  if (following == '\n') {
    source->sbumpc();
  } else {
    stopped_ = true;
    if (line.empty()) return Status::End;
  }
  // A CR belongs to the terminator only right before LF or at the end of the file.
  if (!line.empty() && line.back() == '\r') line.pop_back();
  ++lineNumber_;
  if (line.size() > maxLength_) {
    stopped_ = true;
    return Status::TooLong;
  }
  return Status::Line;
}

TextLineReader::Status TextLineReader::tooLong() {
  ++lineNumber_;
  stopped_ = true;
  return Status::TooLong;
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
