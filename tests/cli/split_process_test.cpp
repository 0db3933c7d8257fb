// vlm-cli as separate processes: the commands that draw nothing run in a
// program that links no Qt, and every other command line reaches
// vlm-cli-draw beside it with its arguments and exit status intact.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/commands.h"
#include "cli/drawing_handoff.h"

namespace vlm::cli {
namespace {

const std::string kBin = VLM_PROGRAM_DIR;

struct Outcome {
  int status;
  std::string out;
};

// Runs a shell command line and collects its stdout and exit status.
Outcome shell(const std::string& command) {
  Outcome outcome{-1, {}};
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return outcome;
  char buffer[4096];
  for (std::size_t got = 0; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    outcome.out.append(buffer, got);
  }
  const int status = ::pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

// A program's dynamic section, which names the shared libraries it asks the
// loader for (none when it is linked statically).
std::string dynamicSection(const std::string& program) {
  const Outcome read = shell("readelf --dynamic " + kBin + "/" + program);
  EXPECT_EQ(read.status, 0) << program;
  return read.out;
}

TEST(CliSplit, TheCommandsThatDrawNothingLoadNoQt) {
  const std::string text = dynamicSection("vlm-cli");
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.find("libQt6"), std::string::npos) << text;
#ifdef VLM_HAVE_RENDER
  EXPECT_NE(dynamicSection(kDrawingHelperName).find("libQt6Widgets"), std::string::npos);
#endif
}

TEST(CliSplit, EachCommandLineRunsWhereItBelongs) {
  const Outcome load = shell(kBin + "/vlm-cli load seoul");
  EXPECT_EQ(load.status, 0);
  EXPECT_EQ(load.out.rfind(R"({"region":"서울")", 0), 0u) << load.out;

  const auto picture = std::filesystem::temp_directory_path() / "vlm_cli_split_sunpath.txt";
  std::filesystem::remove(picture);
  const Outcome drawn = shell(kBin + "/vlm-cli sunpath --lat 37.34 -o " + picture.string());
  EXPECT_EQ(drawn.status, 0);
  EXPECT_TRUE(std::filesystem::exists(picture));
  EXPECT_EQ(shell(kBin + "/vlm-cli sunpath --lat 37.34 -o " + picture.string() + " 2>&1").status,
            1);  // the helper's refusal of an existing file comes back unchanged
  std::filesystem::remove(picture);

  const Outcome help = shell(kBin + "/vlm-cli --help");
  EXPECT_EQ(help.status, 0);
  for (const char* name : {"load", "analyse", "chart", "rose"}) {
    EXPECT_NE(help.out.find(name), std::string::npos) << name;
  }
  EXPECT_EQ(shell(kBin + "/vlm-cli nosuchcommand 2>/dev/null").status, 2);
}

TEST(CliSplit, TheRequestedSubcommandIsTheFirstArgumentThatIsNoOption) {
  const char* withFlag[] = {"vlm-cli", "--verbose", "load", "seoul"};
  EXPECT_EQ(requestedSubcommand(4, withFlag), "load");
  const char* none[] = {"vlm-cli", "--help"};
  EXPECT_EQ(requestedSubcommand(2, none), "");
}

// vlm-cli builds only the command it is asked for, found by the name in its
// table: each registrar must add exactly the subcommand of that name, and a
// drawing command or an unknown name must find none.
TEST(CliSplit, EachTextCommandRegistersTheNameItIsFoundBy) {
  std::ostringstream unused;
  Context ctx(unused, unused, {});
  const auto all = [](const CLI::App*) { return true; };
  for (const TextCommand& command : textCommands()) {
    CLI::App app;
    buildApp(app, ctx, textCommandNamed(command.name));
    const auto added = app.get_subcommands(all);
    ASSERT_EQ(added.size(), 1u) << command.name;
    EXPECT_EQ(added.front()->get_name(), command.name);
  }
  CLI::App every;
  buildApp(every, ctx, registerTextCommands);
  EXPECT_EQ(every.get_subcommands(all).size(), textCommands().size());
  for (const char* other : {"chart", "rose", "", "nosuchcommand"}) {
    EXPECT_EQ(textCommandNamed(other), nullptr) << other;
  }
}

}  // namespace
}  // namespace vlm::cli
