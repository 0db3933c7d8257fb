// Line-by-line reading of weather text files. Files from old systems end their
// lines in CR LF, newer ones in LF; the terminator is not part of the line.
// A line is never held beyond its allowed length, so a file of gigabytes
// without a single line break costs no more memory than one line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace vlm {

class TextLineReader {
 public:
  enum class Status {
    Line,     // a whole line, terminator removed
    TooLong,  // longer than maxLength: only its first maxLength + 1 characters were read
    End,      // no more lines
  };

  // `maxLength` is the longest line accepted.
  TextLineReader(std::istream& in, std::size_t maxLength);

  // Reads the next line into `line`. A last line without terminator is a line;
  // an empty remainder after the last terminator is not. After TooLong the
  // reader stops: every later call returns End.
  Status next(std::string& line);

  // The number of the line last returned, counted from 1.
  [[nodiscard]] std::int64_t lineNumber() const { return lineNumber_; }

 private:
  std::istream& in_;
  std::size_t maxLength_;
  std::int64_t lineNumber_ = 0;
  bool stopped_ = false;
  std::string buffer_;

  Status tooLong();
};

// Opens a file for reading as bytes. Throws FileError (with the platform's
// description) when it does not exist, is a folder or cannot be opened.
void openForReading(std::ifstream& stream, const std::string& path);

}  // namespace vlm
