#include "cli/cli_context.h"

#include <unistd.h>

#include <array>
#include <filesystem>
#include <ostream>

namespace vlm::cli {

MessageAnswer StderrSink::show(const Message& message) {
  if (message.icon == MessageIcon::Information && !verbose_) return MessageAnswer::Ok;
  err_ << '[' << message.title << "]\n";
  for (const auto& line : message.lines) err_ << line << '\n';
  // A batch tool never says yes for the user: questions are answered No/Cancel.
  switch (message.buttons) {
    case MessageButtons::YesNo:
      return MessageAnswer::No;
    case MessageButtons::OkCancel:
      return MessageAnswer::Cancel;
    case MessageButtons::Ok:
      break;
  }
  return MessageAnswer::Ok;
}

Context::Context(std::ostream& o, std::ostream& e, std::string dir)
    : out(o), err(e), programDir(std::move(dir)), sink(e, verbose) {}

std::string executableDir() {
  std::error_code error;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path().string();
  return exe.parent_path().string();
}

void buildApp(CLI::App& app, Context& ctx, CommandRegistrar registerCommands) {
  app.description("Velmora 배치 도구: 기후 데이터, 습공기, 태양 궤적 계산");
  app.name("vlm-cli");
  app.require_subcommand(1);
  app.add_flag("--verbose", ctx.verbose, "완료 안내 메시지도 출력합니다");
  registerCommands(app, ctx);
}

int run(int argc, const char* const* argv, Context& ctx, CommandRegistrar registerCommands) {
  CLI::App app;
  buildApp(app, ctx, registerCommands);
  return parseAndRun(app, argc, argv, ctx);
}

int parseAndRun(CLI::App& app, int argc, const char* const* argv, Context& ctx) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, ctx.out, ctx.err);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e, ctx.out, ctx.err);
  } catch (const CLI::ParseError& e) {
    app.exit(e, ctx.out, ctx.err);
    return kExitPlatform;
  }
  return ctx.exitCode;
}

}  // namespace vlm::cli
