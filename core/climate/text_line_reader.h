// Line-by-line reading of weather text files. Files from old systems end their
// lines in CR LF, newer ones in LF; the terminator is not part of the line.
// The text is read in blocks and searched for line breaks a block at a time.
// A line is never held beyond its allowed length, and the first read takes no
// more than one line may hold, so a file of gigabytes without a single line
// break is refused after one line's worth of it, at the cost of one block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory_resource>
#include <string>
#include <string_view>

namespace vlm {

class TextLineReader {
 public:
  enum class Status {
    Line,     // a whole line, terminator removed
    TooLong,  // longer than maxLength: only its first maxLength + 1 characters were read
    End,      // no more lines
  };

  // `maxLength` is the longest line accepted. The reader takes the text from
  // `in` in blocks, so it reads ahead of the line it returns: a caller that
  // rewinds the stream starts a new reader. Its block lives in `memory`.
  TextLineReader(std::istream& in, std::size_t maxLength,
                 std::pmr::memory_resource* memory = std::pmr::get_default_resource());

  // Reads the next line into `line`. A last line without terminator is a line;
  // an empty remainder after the last terminator is not. After TooLong the
  // reader stops: every later call returns End.
  Status next(std::string& line);
  // The same, with `line` viewing the reader's own copy of the text: no copy
  // is made, and the view holds until the next call.
  Status next(std::string_view& line);

  // The number of the line last returned, counted from 1.
  [[nodiscard]] std::int64_t lineNumber() const { return lineNumber_; }

 private:
  std::istream& in_;
  std::size_t maxLength_;
  std::int64_t lineNumber_ = 0;
  bool stopped_ = false;
  bool drained_ = false;  // the stream has given all it holds
  std::pmr::string buffer_;  // read ahead: the bytes from begin_ to end_ are not yet returned
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::size_t readSize_ = 0;  // bytes asked of the stream by the next read

  Status finish(std::string_view content, std::string_view& line);
  Status tooLong(std::string_view start, std::string_view& line);
  void refill();
};

// Opens a file for reading as bytes. Throws FileError (with the platform's
// description) when it does not exist, is a folder or cannot be opened.
void openForReading(std::ifstream& stream, const std::string& path);

}  // namespace vlm
