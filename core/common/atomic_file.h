// Writing a file so that a reader never sees it half-written: the content goes
// to a temporary file in the target's folder, which replaces the target by a
// rename only when it is complete. Until commit() the target is untouched, and
// an AtomicFile destroyed without commit() removes its temporary file.
//
// Only a regular file is ever replaced. A symbolic link to one is followed:
// the file it names is replaced and the link stays. Any other thing at the
// target (a directory, a device, a pipe, a socket, a broken link) is refused.
#pragma once

#include <string>
#include <string_view>

namespace vlm {

class AtomicFile {
 public:
  // Creates a temporary file of this write's own, so that writes of the same
  // target by several processes never meet, and removes those that writes of
  // the target interrupted earlier left behind. Throws FileError when the
  // folder is not writable or the target is not a regular file.
  explicit AtomicFile(std::string targetPath);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Appends bytes, straight to the file (unbuffered: a caller hands over
  // whole contents, not pieces); throws FileError on a write failure.
  void write(std::string_view bytes);
  // Syncs and renames over the target; throws FileError on failure.
  void commit();
  // Drops the temporary file; the target stays as it was.
  void discard() noexcept;

  [[nodiscard]] const std::string& targetPath() const { return target_; }

 private:
  std::string target_;       // as the caller named it, for messages
  std::string destination_;  // the regular file that is replaced: the target or what it links to
  std::string temp_;
  int fd_ = -1;  // of the temporary file, while it is being written
};

// Writes the whole content atomically.
void writeFileAtomically(const std::string& targetPath, std::string_view bytes);

}  // namespace vlm
