// The .cly climate file on disk: 8760 records of 26 bytes, no header, no
// trailer; record k (1-based) describes hour k of the year.
//
// Reading takes the whole file into memory in one read and decodes records
// from there, so a full year costs one open and one read, not 8760 seeks.
// Every platform failure (no such file, no permission, a read error) throws
// FileError with its Korean description.
#pragma once

#include <cstdint>
#include <memory_resource>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/climate/climate_record.h"

namespace vlm {

// The bytes of one .cly file, with access to its records by number.
class ClyFileReader {
 public:
  // Opens and reads the whole file into memory from the given resource (by
  // default the heap); throws FileError.
  explicit ClyFileReader(std::string path,
                         std::pmr::memory_resource* memory = std::pmr::get_default_resource());
  // Bytes already read from the file at path.
  ClyFileReader(std::string path, std::string_view bytes);

  [[nodiscard]] const std::string& path() const { return path_; }
  [[nodiscard]] std::size_t sizeInBytes() const { return bytes_.size(); }
  // The whole records the file holds (a trailing partial record does not count).
  [[nodiscard]] int recordCount() const { return static_cast<int>(bytes_.size() / kRecordSize); }
  // Record k, 1-based. A record beyond the end of the file throws FileError
  // (reading past the end), as a file that shrank after its check would.
  // Inline, so that the load decodes each record straight where it goes.
  [[nodiscard]] ClimateFileRecord record(int k) const {
    if (k < 1 || k > recordCount()) [[unlikely]]
      throwPastTheEnd(k);
    const auto offset = static_cast<std::size_t>(k - 1) * kRecordSize;
    return decodeRecord(std::string_view(bytes_).substr(offset, kRecordSize));
  }
  // RecIndex of record k, 1 ≤ k ≤ recordCount() (not checked).
  [[nodiscard]] int16_t recIndex(int k) const {
    return getI16(bytes_.data() + static_cast<std::size_t>(k - 1) * kRecordSize);
  }

 private:
  [[noreturn]] void throwPastTheEnd(int k) const;

  std::string path_;
  std::pmr::string bytes_;
};

// The whole file in one read, held in memory from the given resource; throws
// FileError.
[[nodiscard]] std::pmr::string readFileBytes(
    const std::string& path, std::pmr::memory_resource* memory = std::pmr::get_default_resource());

// The 8760 records of a year; a shorter file throws FileError.
[[nodiscard]] std::vector<ClimateFileRecord> readClyFile(const std::string& path);

// The bytes of the records in the given order, 26 each.
[[nodiscard]] std::string encodeClyFile(std::span<const ClimateFileRecord> records);

// Writes the records as given, through a temporary file renamed into place, so
// an existing file is either kept or wholly replaced. A loadable year is 8760
// records with RecIndex = k + 123; the writer does not impose it, so that the
// converter decides what it writes.
void writeClyFile(const std::string& path, std::span<const ClimateFileRecord> records);
// The same for records already encoded.
void writeClyFile(const std::string& path, std::string_view bytes);

// The file's size in bytes without opening it; throws FileError (a path that
// does not exist, a folder).
[[nodiscard]] std::uintmax_t climateFileSize(const std::string& path);

}  // namespace vlm
