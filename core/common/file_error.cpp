#include "core/common/file_error.h"

#include <cerrno>
#include <cstring>

namespace vlm {

std::string describeFileError(int errorNumber, const std::string& path) {
  std::string text;
  switch (errorNumber) {
    case ENOENT:
      text = "파일을 찾을 수 없습니다.";
      break;
    case EACCES:
    case EPERM:
    case EROFS:
      text = "사용 권한이 없습니다.";
      break;
    case ENOSPC:
      text = "디스크 공간이 부족합니다.";
      break;
    case EISDIR:
      text = "파일이 아니라 디렉토리입니다.";
      break;
    case ENOTDIR:
      text = "경로를 찾을 수 없습니다.";
      break;
    default:
      text = std::string("파일 입출력 오류입니다: ") + std::strerror(errorNumber);
      break;
  }
  return text + " (" + path + ")";
}

void throwFileError(int errorNumber, const std::string& path) {
  throw FileError(describeFileError(errorNumber, path));
}

std::string describeNotAFile(NotAFile kind, const std::string& path) {
  switch (kind) {
    case NotAFile::Directory:
      return describeFileError(EISDIR, path);
    case NotAFile::Pipe:
      return "파일이 아니라 파이프입니다. (" + path + ")";
    case NotAFile::Device:
      return "파일이 아니라 장치입니다. (" + path + ")";
    case NotAFile::Socket:
      return "파일이 아니라 소켓입니다. (" + path + ")";
    case NotAFile::Link:
      break;
  }
  return "파일이 아니라 끊어진 심볼릭 링크입니다. (" + path + ")";
}

void throwNotAFile(NotAFile kind, const std::string& path) {
  throw FileError(describeNotAFile(kind, path));
}

}  // namespace vlm
