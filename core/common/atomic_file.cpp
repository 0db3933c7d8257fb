#include "core/common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "core/common/file_error.h"

namespace vlm {

namespace {

// FNV-1a: a stable digest of the target's name for its temporary file.
std::uint64_t digestOf(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

// The permissions the finished file gets: those of the file it replaces, or
// the usual ones of a new file.
mode_t finishedMode(const std::string& target) {
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string AtomicFile::temporaryPathOf(const std::string& targetPath) {
  const std::filesystem::path target(targetPath);
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  char name[32];
  std::snprintf(name, sizeof name, ".vlm-%016llx.tmp",
                static_cast<unsigned long long>(digestOf(target.filename().string())));
  return (folder / name).string();
}

AtomicFile::AtomicFile(std::string targetPath) : target_(std::move(targetPath)) {
  std::error_code error;
  if (std::filesystem::is_directory(target_, error)) throwFileError(EISDIR, target_);
  const std::string temp = temporaryPathOf(target_);
  // Left by a write of this target that was interrupted.
  ::unlink(temp.c_str());
  fd_ = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd_ < 0) throwFileError(errno, target_);
  temp_ = temp;
}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::write(std::string_view bytes) {
  if (fd_ < 0) throwFileError(EBADF, target_);
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      throwFileError(errno, target_);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void AtomicFile::commit() {
  if (fd_ < 0) throwFileError(EBADF, target_);
  if (::fsync(fd_) != 0) throwFileError(errno, target_);
  const int closed = ::close(fd_);
  fd_ = -1;
  if (closed != 0) throwFileError(errno, target_);
  // The temporary file is created 0600; the finished one keeps the replaced
  // file's permissions.
  ::chmod(temp_.c_str(), finishedMode(target_));
  if (std::rename(temp_.c_str(), target_.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp_.c_str());
    temp_.clear();
    throwFileError(error, target_);
  }
  temp_.clear();
}

void AtomicFile::discard() noexcept {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
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
