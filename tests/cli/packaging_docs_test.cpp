// The installed descriptions keep up with the program: the man page of vlm-cli
// names every subcommand that `vlm-cli --help` lists, and the man pages and
// the AppStream metainfo name the sources and analyses that exist.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/run_cli.h"

namespace vlm::cli::test {
namespace {

const std::string kPackaging = std::string(VLM_TEST_DATA_DIR) + "/../../packaging/";

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The names in the section of `--help` that lists the subcommands.
std::vector<std::string> helpSubcommands() {
  std::ostringstream out;
  std::ostringstream err;
  runCli({"--help"}, out, err, VLM_PROGRAM_DIR);
  std::istringstream lines(out.str());
  std::vector<std::string> names;
  bool listing = false;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("SUBCOMMANDS", 0) == 0 || line.rfind("Subcommands", 0) == 0) {
      listing = true;
      continue;
    }
    if (!listing) continue;
    std::istringstream words(line);
    std::string name;
    if (line.empty() || line[0] != ' ' || !(words >> name)) break;
    names.push_back(name);
  }
  return names;
}

// The words of the man page's item headings (the line after each .TP), with
// the escapes of roff taken out.
std::set<std::string> manItemWords(const std::string& page) {
  std::istringstream lines(page);
  std::set<std::string> words;
  bool heading = false;
  for (std::string line; std::getline(lines, line);) {
    if (heading) {
      for (const std::string escape : {"\\fB", "\\fR", "\\fI"}) {
        for (auto at = line.find(escape); at != std::string::npos; at = line.find(escape))
          line.erase(at, escape.size());
      }
      for (auto at = line.find("\\-"); at != std::string::npos; at = line.find("\\-"))
        line.erase(at, 1);
      for (char& c : line)
        if (c == '"' || c == ',' || c == '|') c = ' ';
      std::istringstream split(line);
      for (std::string word; split >> word;) words.insert(word);
    }
    heading = line == ".TP";
  }
  return words;
}

TEST(PackagingDocs, TheManPageNamesEverySubcommand) {
  const std::vector<std::string> subcommands = helpSubcommands();
  ASSERT_GE(subcommands.size(), 20u);
  const std::set<std::string> items = manItemWords(readText(kPackaging + "vlm-cli.1"));
  for (const std::string& name : subcommands) EXPECT_TRUE(items.count(name) == 1) << name;
}

TEST(PackagingDocs, DescriptionsNameTheSourcesAndAnalysesThatExist) {
  struct Case {
    const char* file;
    std::vector<std::string> words;
  };
  const std::vector<Case> cases{
      {"vlm-cli.1", {"ASOS", "batch", "report", "months", "degree\\-days", "compare", "carpet"}},
      {"vlm.1", {"ASOS", "EPW", "기후 심화분석", "degree-days", "carpet", "climate report", "CSV"}},
      {"org.velmora.Velmora.metainfo.xml",
       {"ASOS", "EPW", "report", "degree-days", "carpet", "compare", "batch"}},
  };
  for (const Case& c : cases) {
    const std::string text = readText(kPackaging + c.file);
    ASSERT_FALSE(text.empty()) << c.file;
    for (const std::string& word : c.words)
      EXPECT_NE(text.find(word), std::string::npos) << c.file << ": " << word;
  }
}

}  // namespace
}  // namespace vlm::cli::test
