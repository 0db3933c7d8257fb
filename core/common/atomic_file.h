// Writing a file so that a reader never sees it half-written: the content goes
// to a temporary file in the target's folder, which replaces the target by a
// rename only when it is complete. Until commit() the target is untouched, and
// an AtomicFile destroyed without commit() removes its temporary file.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vlm {

class AtomicFile {
 public:
  // Creates the temporary file; throws FileError when the folder is not writable.
  explicit AtomicFile(std::string targetPath);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Appends bytes; throws FileError on a write failure.
  void write(std::string_view bytes);
  // Flushes, syncs and renames over the target; throws FileError on failure.
  void commit();
  // Drops the temporary file; the target stays as it was.
  void discard() noexcept;

  [[nodiscard]] const std::string& targetPath() const { return target_; }

 private:
  std::string target_;
  std::string temp_;
  std::FILE* file_ = nullptr;
};

// Writes the whole content atomically.
void writeFileAtomically(const std::string& targetPath, std::string_view bytes);

}  // namespace vlm
