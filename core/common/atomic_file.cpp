#include "core/common/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/common/file_error.h"

namespace vlm {

namespace {

namespace fs = std::filesystem;

// FNV-1a: a stable digest of the target's name for its temporary files.
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
mode_t finishedMode(const std::string& destination) {
  struct stat existing {};
  if (::stat(destination.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

NotAFile kindOf(mode_t mode) {
  if (S_ISDIR(mode)) return NotAFile::Directory;
  if (S_ISFIFO(mode)) return NotAFile::Pipe;
  if (S_ISSOCK(mode)) return NotAFile::Socket;
  if (S_ISLNK(mode)) return NotAFile::Link;
  return NotAFile::Device;
}

// The regular file that a write of `target` replaces: the target itself, or
// the file a symbolic link at it names. Looked at without following the
// target, so that nothing but a regular file is ever renamed over.
std::string destinationOf(const std::string& target) {
  struct stat info {};
  // A target that cannot be looked at is a new file, or one whose folder
  // creating the temporary file reports on.
  if (::lstat(target.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return target;
  if (!S_ISLNK(info.st_mode)) throwNotAFile(kindOf(info.st_mode), target);
  std::error_code error;
  const fs::path named = fs::canonical(target, error);
  if (error) throwNotAFile(NotAFile::Link, target);
  if (::stat(named.c_str(), &info) != 0) throwNotAFile(NotAFile::Link, target);
  if (!S_ISREG(info.st_mode)) throwNotAFile(kindOf(info.st_mode), target);
  return named.string();
}

fs::path folderOf(const std::string& destination) {
  const fs::path path(destination);
  return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// Every temporary file of a destination begins with this name, followed by
// the writing process's id: ".vlm-<digest of the name>-<pid>-XXXXXX.tmp", of
// bounded length so that a destination name of any valid length still has one.
std::string temporaryPrefixOf(const std::string& destination) {
  char name[32];
  std::snprintf(
      name, sizeof name, ".vlm-%016llx-",
      static_cast<unsigned long long>(digestOf(fs::path(destination).filename().string())));
  return name;
}

// A temporary file whose writer is no longer running was left by a write
// that was interrupted; one whose writer runs is another write in progress.
bool isLeftover(std::string_view name, std::string_view prefix) {
  constexpr std::string_view kSuffix = ".tmp";
  if (!name.starts_with(prefix) || !name.ends_with(kSuffix)) return false;
  name.remove_prefix(prefix.size());
  pid_t writer = 0;
  const auto [end, fault] = std::from_chars(name.data(), name.data() + name.size(), writer);
  if (fault != std::errc() || end == name.data() || *end != '-' || writer <= 0) return false;
  return ::kill(writer, 0) != 0 && errno == ESRCH;
}

void removeLeftovers(const fs::path& folder, const std::string& prefix) {
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) return;
  std::vector<std::string> leftovers;
  while (const dirent* entry = ::readdir(dir.get())) {
    if (isLeftover(entry->d_name, prefix)) leftovers.emplace_back(entry->d_name);
  }
  for (const std::string& name : leftovers) ::unlink((folder / name).c_str());
}

}  // namespace

AtomicFile::AtomicFile(std::string targetPath)
    : target_(std::move(targetPath)), destination_(destinationOf(target_)) {
  const fs::path folder = folderOf(destination_);
  const std::string prefix = temporaryPrefixOf(destination_);
  removeLeftovers(folder, prefix);
  std::string temp = (folder / (prefix + std::to_string(::getpid()) + "-XXXXXX.tmp")).string();
  fd_ = ::mkostemps(temp.data(), 4, O_CLOEXEC);
  if (fd_ < 0) throwFileError(errno, target_);
  temp_ = std::move(temp);
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
  // Something other than a file may have taken the destination's place while
  // the content was being written.
  struct stat now {};
  if (::lstat(destination_.c_str(), &now) == 0 && !S_ISREG(now.st_mode)) {
    discard();
    throwNotAFile(kindOf(now.st_mode), target_);
  }
  // The temporary file is created 0600; the finished one keeps the replaced
  // file's permissions.
  ::chmod(temp_.c_str(), finishedMode(destination_));
  if (std::rename(temp_.c_str(), destination_.c_str()) != 0) {
    const int error = errno;
    discard();
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
