// The state that the pages share for the whole run: the climate year with its
// region strings and tables, the pressure of every psychrometric conversion,
// the three print flags, the program directory and the message sink.
//
// The application makes one AppState and hands it to every page; each page test
// makes its own, so no test sees another's leftovers.
#pragma once

#include <memory>
#include <string>

#include "core/climate/climate_data.h"
#include "core/common/message.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {

// Set by the print command once it has copied a screen's drawing into the
// picture's persistent image; read by that screen's draw and erase commands.
// Nothing clears them after start-up.
struct PrintFlags {
  bool BioChartPrinted = false;  // the bioclimatic chart of frm12
  bool RosePrinted = false;      // the wind rose pic132 of frm13
  bool DiagramPrinted = false;   // pic31Schart and pic31SM of frm31
};

class AppState {
 public:
  // `programDir` is the folder that holds weather/ and help/, without a
  // trailing separator. The sink must outlive the state (or be replaced).
  AppState(std::string programDir, MessageSink& sink);

  [[nodiscard]] ClimateData& climate() { return *climate_; }
  [[nodiscard]] const ClimateData& climate() const { return *climate_; }
  [[nodiscard]] Psychrometrics& psychro() { return psychro_; }
  [[nodiscard]] PrintFlags& printFlags() { return printFlags_; }
  [[nodiscard]] const PrintFlags& printFlags() const { return printFlags_; }

  [[nodiscard]] const std::string& programDir() const { return programDir_; }
  // The program directory followed by a relative name ("/weather/seoul.cly").
  [[nodiscard]] std::string programPath(const std::string& relative) const {
    return programDir_ + relative;
  }

  [[nodiscard]] MessageSink& sink() const { return *sink_; }
  // Tests swap in a RecordingSink so that no modal box ever blocks them.
  void setSink(MessageSink& sink) { sink_ = &sink; }

 private:
  // The year of 8760 hours is large; it lives on the heap.
  std::unique_ptr<ClimateData> climate_;
  Psychrometrics psychro_;
  PrintFlags printFlags_;
  std::string programDir_;
  MessageSink* sink_;
};

}  // namespace vlm
