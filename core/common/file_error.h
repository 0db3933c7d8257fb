// A failure of the platform's file functions, with a Korean description of it
// that pages show in an "에러" box and the CLI prints (exit status 2).
#pragma once

#include <stdexcept>
#include <string>

namespace vlm {

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The description of an errno value followed by the path: "파일을 찾을 수 없습니다. (path)".
[[nodiscard]] std::string describeFileError(int errorNumber, const std::string& path);
[[noreturn]] void throwFileError(int errorNumber, const std::string& path);

// What stands at a path that a file is to be written to when it is no regular
// file: writing there would replace a device, a pipe or a link, not a file.
enum class NotAFile { Directory, Pipe, Device, Socket, Link };
// "파일이 아니라 파이프입니다. (path)", in the style of the directory refusal.
[[nodiscard]] std::string describeNotAFile(NotAFile kind, const std::string& path);
[[noreturn]] void throwNotAFile(NotAFile kind, const std::string& path);

}  // namespace vlm
