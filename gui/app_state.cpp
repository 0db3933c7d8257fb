#include "gui/app_state.h"

#include <utility>

namespace vlm {

AppState::AppState(std::string programDir, MessageSink& sink)
    : climate_(std::make_unique<ClimateData>()), programDir_(std::move(programDir)), sink_(&sink) {
  while (!programDir_.empty() && programDir_.back() == '/') programDir_.pop_back();
}

}  // namespace vlm
