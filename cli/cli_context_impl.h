#pragma once

#include <ostream>

#include "core/common/compute_error.h"
#include "core/common/file_error.h"

namespace vlm::cli {

template <typename Body>
void guarded(Context& ctx, Body&& body) {
  try {
    body();
  } catch (const ComputeError& e) {
    ctx.sink.show(errorMessage({e.what()}));
    ctx.exitCode = kExitRefused;
  } catch (const FileError& e) {
    ctx.err << e.what() << '\n';
    ctx.exitCode = kExitPlatform;
  } catch (const std::exception& e) {
    ctx.err << e.what() << '\n';
    ctx.exitCode = kExitPlatform;
  }
}

}  // namespace vlm::cli
