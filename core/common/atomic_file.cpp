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
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) throwFileError(errno, target_);
  temp_ = temp;
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
