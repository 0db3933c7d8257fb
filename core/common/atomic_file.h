// Writing a file so that a reader never sees it half-written: the content goes
// to a temporary file in the target's folder, which replaces the target by a
// rename only when it is complete. Until commit() the target is untouched, and
// an AtomicFile destroyed without commit() removes its temporary file.
#pragma once

#include <string>
#include <string_view>

namespace vlm {

class AtomicFile {
 public:
  // Creates the temporary file, removing one left by an interrupted write of
  // the same target; throws FileError when the folder is not writable or the
  // target is a directory.
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

  // The temporary file of a target: a hidden name of fixed length beside it
  // (so that a target name of any valid length still has one), the same for
  // every write of that target, so that a write interrupted earlier leaves no
  // lasting litter.
  [[nodiscard]] static std::string temporaryPathOf(const std::string& targetPath);

 private:
  std::string target_;
  std::string temp_;
  int fd_ = -1;  // of the temporary file, while it is being written
};

// Writes the whole content atomically.
void writeFileAtomically(const std::string& targetPath, std::string_view bytes);

}  // namespace vlm
