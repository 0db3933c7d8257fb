#include "core/common/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "core/common/file_error.h"

namespace vlm {

AtomicFile::AtomicFile(std::string targetPath) : target_(std::move(targetPath)) {
  const std::filesystem::path target(target_);
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  // A hidden name beside the target, so the rename stays within one file system.
  std::string hidden = ".";
  hidden += target.filename().string();
  hidden += ".tmpXXXXXX";
  const std::string pattern = (folder / hidden).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) throwFileError(errno, target_);
  temp_ = name.data();
  file_ = ::fdopen(fd, "wb");
  if (file_ == nullptr) {
    const int error = errno;
    ::close(fd);
    ::unlink(temp_.c_str());
    throwFileError(error, target_);
  }
}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::write(std::string_view bytes) {
  if (file_ == nullptr) throwFileError(EBADF, target_);
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
    throwFileError(errno, target_);
}

void AtomicFile::commit() {
  if (file_ == nullptr) throwFileError(EBADF, target_);
  if (std::fflush(file_) != 0 || ::fsync(::fileno(file_)) != 0) throwFileError(errno, target_);
  const int closed = std::fclose(file_);
  file_ = nullptr;
  if (closed != 0) throwFileError(errno, target_);
  // mkstemp creates the file 0600; a finished file gets the usual permissions.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(temp_.c_str(), 0666 & ~mask);
  if (std::rename(temp_.c_str(), target_.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp_.c_str());
    temp_.clear();
    throwFileError(error, target_);
  }
  temp_.clear();
}

void AtomicFile::discard() noexcept {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temp_.empty()) {
    ::unlink(temp_.c_str());
    temp_.clear();
  }
}

void writeFileAtomically(const std::string& targetPath, std::string_view bytes) {
  AtomicFile file(targetPath);
  file.write(bytes);
  file.commit();
}

}  // namespace vlm
