// The memory a command line's year lives in: a loaded year's hours and the
// bytes of the file they were read from, or a converted year's bytes before
// they are written, in one mapping advised to be a huge page. A process that
// handles one year and exits otherwise first-touches some 60 to 160 ordinary
// pages, and on a virtual machine that costs more than the load's arithmetic.
// Where the system gives no huge pages this is ordinary memory; what does not
// fit comes from the heap.
#pragma once

#include <cstddef>
#include <memory_resource>

namespace vlm::cli {

class YearMemory {
 public:
  YearMemory();
  ~YearMemory();
  YearMemory(const YearMemory&) = delete;
  YearMemory& operator=(const YearMemory&) = delete;

  [[nodiscard]] std::pmr::memory_resource* resource() { return &resource_; }

 private:
  struct Mapping {
    void* wide = nullptr;  // what was mapped, twice the page
    void* page = nullptr;  // the aligned page inside it
  };
  static Mapping mapHugePage();

  Mapping mapping_;
  std::pmr::monotonic_buffer_resource resource_;
};

}  // namespace vlm::cli
