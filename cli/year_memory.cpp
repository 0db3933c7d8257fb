#include "cli/year_memory.h"

#include <sys/mman.h>

#include <cstdint>

namespace vlm::cli {
namespace {

// One huge page on x86-64 and most other 64-bit systems: the year (about
// 420 KB) and its file (228 KB) fit with room to spare.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

// Maps twice the page to find an aligned one inside. The rest stays mapped but
// untouched, so it costs no memory, and is unmapped with the page: on a
// virtual machine every unmapping is dear.
YearMemory::Mapping YearMemory::mapHugePage() {
  void* wide =
      ::mmap(nullptr, 2 * kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (wide == MAP_FAILED) return {};
  const auto begin = reinterpret_cast<std::uintptr_t>(wide);
  void* aligned = reinterpret_cast<void*>((begin + kHugePage - 1) & ~(kHugePage - 1));
  // Only advice: without it, or where it is refused, the pages are ordinary.
  (void)::madvise(aligned, kHugePage, MADV_HUGEPAGE);
  return {wide, aligned};
}

YearMemory::YearMemory()
    : mapping_(mapHugePage()), resource_(mapping_.page, mapping_.page == nullptr ? 0 : kHugePage) {}

YearMemory::~YearMemory() {
  resource_.release();
  if (mapping_.wide != nullptr) ::munmap(mapping_.wide, 2 * kHugePage);
}

}  // namespace vlm::cli
