// The records of an EPW year's hours, converted while the text is still being
// read. An hour's wet bulb (a Newton solve over saturation pressures) takes
// about twice as long as reading its line, so on two cores a second thread
// converts hours from the front of the year as soon as they are read, and the
// reader joins in once the text is read. Each record depends on its own hour
// only: the records are the same whichever thread converts them.
#pragma once

#include <pthread.h>
#include <sched.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory_resource>
#include <vector>

#include "core/climate/climate_record.h"
#include "core/climate/epw_import.h"
#include "core/psychro/saturation_memo.h"

namespace vlm {

class EpwYearConversion {
 public:
  // On EpwCores::Two, and a machine with a second core, `handle` is called
  // from two threads, for different hours at the same time.
  EpwYearConversion(const EpwRecordHandler& handle, EpwCores cores,
                    std::pmr::memory_resource* memory);
  ~EpwYearConversion() { stop(); }
  EpwYearConversion(const EpwYearConversion&) = delete;
  EpwYearConversion& operator=(const EpwYearConversion&) = delete;

  // The first hour added is hour `firstHour` (0 … 8759) of the year, and the
  // hours after it run on across 31 December; called before the first add.
  void startAt(int16_t firstHour) { firstHour_ = firstHour; }
  // The next hour of the year (at most 8760 of them).
  void add(const EpwHour& hour);
  // All 8760 hours are added: returns when each has been handed over.
  void finish();
  // The text is refused: returns when the second thread has stopped where it
  // was. Nothing more is added.
  void stop();

 private:
  // Hours are published by the reader and taken by a thread this many at a time.
  static constexpr int kChunk = 96;
  static constexpr int kStopped = -1;

  // A POSIX thread, not std::thread: the latter frees its start-up state on
  // the new thread, and that first free sets up a heap arena of its own
  // (a 128 MB reservation), which cost more than a tenth of the gain.
  void startSecond(const cpu_set_t& cores);
  static void* runSecond(void* self);
  void waitForSecond() const;
  void convertFromFront(SaturationMemo& memo);
  // The record number (1 … 8760) of the hour added `index`-th (0-based).
  [[nodiscard]] int16_t recordOf(int index) const {
    const int k = firstHour_ + index + 1;
    return static_cast<int16_t>(k > kHoursPerYear ? k - kHoursPerYear : k);
  }
  bool waitUntilRead(int end);

  const EpwRecordHandler& handle_;
  Psychrometrics psychro_;  // for hours converted as they come
  SaturationMemo memo_;     // the reader's
  int16_t added_ = 0;
  int16_t firstHour_ = 0;
  std::pmr::vector<EpwHour> hours_;  // empty when converted as they come
  cpu_set_t allowed_{};              // the cores this process may run on
  std::atomic<int> read_{0};         // hours_[0, read_) may be converted; -1: stopped
  std::atomic<int> nextChunk_{0};
  std::atomic<bool> secondDone_{true};  // the second thread touches nothing more
};

}  // namespace vlm
