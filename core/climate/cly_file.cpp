#include "core/climate/cly_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "core/common/atomic_file.h"
#include "core/common/file_error.h"

namespace vlm {
namespace {

// Closes the descriptor on every way out of the read.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  [[nodiscard]] int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::pmr::string readFileBytes(const std::string& path, std::pmr::memory_resource* memory) {
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) throwFileError(errno, path);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) throwFileError(errno, path);
  if (S_ISDIR(info.st_mode)) throwFileError(EISDIR, path);
  std::pmr::string bytes(static_cast<std::size_t>(info.st_size), '\0', memory);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(file.get(), bytes.data() + done, bytes.size() - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      throwFileError(errno, path);
    }
    if (got == 0) break;  // the file shrank while we read it
    done += static_cast<std::size_t>(got);
  }
  bytes.resize(done);
  return bytes;
}

ClyFileReader::ClyFileReader(std::string path, std::pmr::memory_resource* memory)
    : path_(std::move(path)), bytes_(readFileBytes(path_, memory)) {}

ClyFileReader::ClyFileReader(std::string path, std::string_view bytes)
    : path_(std::move(path)), bytes_(bytes) {}

void ClyFileReader::throwPastTheEnd(int k) const {
  throw FileError("파일의 끝을 지나서 읽으려고 했습니다. (" + path_ + ", 레코드 " +
                  std::to_string(k) + ")");
}

std::vector<ClimateFileRecord> readClyFile(const std::string& path) {
  const ClyFileReader reader(path);
  std::vector<ClimateFileRecord> records;
  records.reserve(kHoursPerYear);
  for (int k = 1; k <= kHoursPerYear; ++k) records.push_back(reader.record(k));
  return records;
}

std::string encodeClyFile(std::span<const ClimateFileRecord> records) {
  std::string bytes;
  bytes.reserve(records.size() * kRecordSize);
  for (const auto& record : records) {
    const auto encoded = encodeRecord(record);
    bytes.append(encoded.data(), encoded.size());
  }
  return bytes;
}

void writeClyFile(const std::string& path, std::span<const ClimateFileRecord> records) {
  writeFileAtomically(path, encodeClyFile(records));
}

void writeClyFile(const std::string& path, std::string_view bytes) {
  writeFileAtomically(path, bytes);
}

std::uintmax_t climateFileSize(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) throwFileError(errno, path);
  if (S_ISDIR(info.st_mode)) throwFileError(EISDIR, path);
  return static_cast<std::uintmax_t>(info.st_size);
}

}  // namespace vlm
