// What every subcommand shares: the streams, the message sink that prints boxes
// to stderr, the program directory and the exit status.
#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>

#include "core/common/message.h"

namespace vlm::cli {

// Exit statuses of vlm-cli.
inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitPlatform = 2;

// Prints a message as "[TITLE]" and its lines; information messages only when verbose.
class StderrSink final : public MessageSink {
 public:
  StderrSink(std::ostream& err, const bool& verbose) : err_(err), verbose_(verbose) {}
  MessageAnswer show(const Message& message) override;

 private:
  std::ostream& err_;
  const bool& verbose_;
};

struct Context {
  Context(std::ostream& out, std::ostream& err, std::string programDir);

  std::ostream& out;
  std::ostream& err;
  std::string programDir;
  bool verbose = false;
  StderrSink sink;
  int exitCode = kExitDone;
};

// Runs a subcommand body: a FileError (or other platform failure) prints its
// description and gives exit status 2, a ComputeError prints an "에러" box and gives 1.
template <typename Body>
void guarded(Context& ctx, Body&& body);

// Registers every subcommand on the app (drawing_commands.cpp).
void registerAll(CLI::App& app, Context& ctx);

using CommandRegistrar = void (*)(CLI::App& app, Context& ctx);

// The program directory: the folder of the running executable.
[[nodiscard]] std::string executableDir();

// The vlm-cli application: its global options and the subcommands the
// registrar adds.
void buildApp(CLI::App& app, Context& ctx, CommandRegistrar registerCommands);

// Parses the arguments on a built app and runs the subcommand; returns the
// exit status.
int parseAndRun(CLI::App& app, int argc, const char* const* argv, Context& ctx);

// Both: runs vlm-cli with the subcommands the registrar adds (all of them
// unless told).
int run(int argc, const char* const* argv, Context& ctx,
        CommandRegistrar registerCommands = registerAll);

}  // namespace vlm::cli

#include "cli/cli_context_impl.h"
