#include "cli/output_file.h"

#include <filesystem>

#include "cli/cli_context.h"

namespace vlm::cli {

Message overwriteQuestion(const std::string& path) {
  return questionMessage({path + "이(가) 이미 있습니다.", "바꾸시겠습니까?"});
}

bool mayWrite(Context& ctx, const std::string& path, bool yes, const Message& question) {
  std::error_code error;
  if (yes || !std::filesystem::exists(path, error)) return true;
  ctx.sink.show(question);
  ctx.exitCode = kExitRefused;
  return false;
}

}  // namespace vlm::cli
