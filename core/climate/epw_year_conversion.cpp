#include "core/climate/epw_year_conversion.h"

#include <sched.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace vlm {
namespace {

// Every core this thread may run on but the one it runs on; false when there
// is none. The second thread starts there: otherwise it is queued behind its
// creator, busy reading, until the scheduler moves it (up to 3 ms measured on
// a virtual machine).
bool otherCores(const cpu_set_t& allowed, cpu_set_t& others) {
  const int own = ::sched_getcpu();
  if (own < 0) return false;
  others = allowed;
  CPU_CLR(own, &others);
  return CPU_COUNT(&others) > 0;
}

}  // namespace

EpwYearConversion::EpwYearConversion(const EpwRecordHandler& handle, EpwCores cores,
                                     std::pmr::memory_resource* memory)
    : handle_(handle), hours_(memory) {
  cpu_set_t others;
  if (cores == EpwCores::One || ::sched_getaffinity(0, sizeof allowed_, &allowed_) != 0 ||
      !otherCores(allowed_, others))
    return;
  hours_.resize(kHoursPerYear);
  startSecond(others);
}

void EpwYearConversion::stop() {
  read_.store(kStopped, std::memory_order_relaxed);
  read_.notify_all();
  waitForSecond();
}

// Detached, and waited for by spinning on a flag: a thread waiting in the
// kernel lets its core sleep, and a virtual machine takes a tenth of a
// millisecond or more to wake it. Without a second thread the reader converts
// every hour in finish().
void EpwYearConversion::startSecond(const cpu_set_t& cores) {
  pthread_attr_t attr;
  if (::pthread_attr_init(&attr) != 0) return;
  ::pthread_attr_setdetachstate(&attr, PTHREAD_CREATE_DETACHED);
  ::pthread_attr_setaffinity_np(&attr, sizeof cores, &cores);
  secondDone_.store(false, std::memory_order_relaxed);
  pthread_t thread;
  if (::pthread_create(&thread, &attr, &EpwYearConversion::runSecond, this) != 0)
    secondDone_.store(true, std::memory_order_relaxed);
  ::pthread_attr_destroy(&attr);
}

void* EpwYearConversion::runSecond(void* self) {
  auto& conversion = *static_cast<EpwYearConversion*>(self);
  // Started where it should, it may go where it must: a core taken by other
  // work would otherwise hold back the hours it has taken.
  ::sched_setaffinity(0, sizeof conversion.allowed_, &conversion.allowed_);
  SaturationMemo memo;
  conversion.convertFromFront(memo);
  // The last touch of the conversion: it may be gone right after.
  conversion.secondDone_.store(true, std::memory_order_release);
  return nullptr;
}

void EpwYearConversion::waitForSecond() const {
  while (!secondDone_.load(std::memory_order_acquire)) std::this_thread::yield();
}

void EpwYearConversion::add(const EpwHour& hour) {
  ++added_;
  if (hours_.empty()) {
    const int16_t k = recordOf(added_ - 1);
    handle_(k, convertEpwHour(hour, k, psychro_, &memo_));
    return;
  }
  hours_[static_cast<std::size_t>(added_ - 1)] = hour;
  // Published a chunk at a time: a store per hour would pull the line the
  // other thread polls back and forth at every hour.
  if (added_ % kChunk == 0 || added_ == kHoursPerYear) {
    read_.store(added_, std::memory_order_release);
    read_.notify_all();
  }
}

void EpwYearConversion::finish() {
  if (hours_.empty()) return;
  convertFromFront(memo_);
  waitForSecond();
}

// Takes the next chunk of hours not yet taken, waits until the reader has read
// them, converts them; until no chunk is left or the text is refused.
void EpwYearConversion::convertFromFront(SaturationMemo& memo) {
  Psychrometrics psychro;
  for (;;) {
    const int first = nextChunk_.fetch_add(kChunk, std::memory_order_relaxed);
    if (first >= kHoursPerYear) return;
    const int end = std::min(first + kChunk, kHoursPerYear);
    if (!waitUntilRead(end)) return;
    for (int i = first; i < end; ++i) {
      const int16_t k = recordOf(i);
      handle_(k, convertEpwHour(hours_[static_cast<std::size_t>(i)], k, psychro, &memo));
    }
  }
}

// False when the text was refused first. The reader is awaited awake for as
// long as the start of a year takes it, since a core left to sleep takes long
// to wake; a reader held up longer (a slow disk) is awaited asleep.
bool EpwYearConversion::waitUntilRead(int end) {
  constexpr auto kAwake = std::chrono::milliseconds(2);
  const auto since = std::chrono::steady_clock::now();
  for (;;) {
    const int read = read_.load(std::memory_order_acquire);
    if (read == kStopped) return false;
    if (read >= end) return true;
    if (std::chrono::steady_clock::now() - since < kAwake) {
      std::this_thread::yield();
    } else {
      read_.wait(read, std::memory_order_acquire);
    }
  }
}

}  // namespace vlm
