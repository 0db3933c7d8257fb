// vlm-cli report: the climate report as one A4 vector PDF with the Korean font
// embedded, whose analysis page carries the hours and shares that `analyse`
// prints; refusals before any file is touched. The PDF is read back with the
// poppler tools (pdfinfo, pdffonts, pdftotext, pdfimages).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "cli/cli_context.h"
#include "tests/cli/run_cli.h"

namespace vlm::cli {
namespace {

namespace fs = std::filesystem;

#ifdef VLM_HAVE_RENDER
// The standard output of a shell command, or nullopt when it could not run.
std::optional<std::string> capture(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>/dev/null").c_str(), "r"),
                                             pclose);
  if (!pipe) return std::nullopt;
  std::string out;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
    out.append(buffer.data(), n);
  return out;
}

bool havePoppler() {
  return std::system("command -v pdfinfo pdffonts pdftotext pdfimages >/dev/null 2>&1") == 0;
}

std::string escaped(const std::string& text) {
  static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
  return std::regex_replace(text, special, R"(\$&)");
}
#endif

class ReportCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / (std::string("vlm_report_cli_") + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  int run(std::vector<std::string> args) {
    return test::runCli(std::move(args), out_, err_, VLM_PROGRAM_DIR);
  }
  [[nodiscard]] std::string path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
  std::ostringstream out_, err_;
};

#ifdef VLM_HAVE_RENDER
TEST_F(ReportCommand, SeoulReportIsAnA4VectorPdfWithTheAnalysisOfAnalyse) {
  if (!havePoppler()) GTEST_SKIP() << "poppler-utils (pdfinfo, pdffonts, …) are not installed";
  const std::string pdf = path("seoul.pdf");
  ASSERT_EQ(run({"report", "서울", "-o", pdf}), kExitDone) << err_.str();
  EXPECT_EQ(err_.str(), "");

  const std::string info = capture("pdfinfo '" + pdf + "'").value_or("");
  EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
  std::smatch pages;
  ASSERT_TRUE(std::regex_search(info, pages, std::regex(R"(Pages:\s+(\d+))")));
  EXPECT_GE(std::stoi(pages[1]), 9);

  // Every font the report uses is embedded, the Korean one among them.
  const std::string fonts = capture("pdffonts '" + pdf + "'").value_or("");
  EXPECT_NE(fonts.find("NanumBarunGothic"), std::string::npos) << fonts;
  std::istringstream fontLines(fonts);
  std::string line;
  int listed = 0;
  while (std::getline(fontLines, line)) {
    if (line.rfind("name", 0) == 0 || line.rfind("----", 0) == 0) continue;
    ++listed;
    EXPECT_TRUE(
        std::regex_search(line, std::regex(R"(\s+yes\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+\s*$)")))
        << "not embedded: " << line;
  }
  EXPECT_GT(listed, 0);

  // No chart is a picture: the report is drawn as vectors throughout.
  const std::string images = capture("pdfimages -list '" + pdf + "'").value_or("");
  EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2) << images;

  // The analysis page holds each need zone with the hours and share analyse prints.
  ASSERT_EQ(run({"analyse", "서울"}), kExitDone);
  const auto analysis = nlohmann::json::parse(out_.str());
  const std::string text = capture("pdftotext -layout -f 3 -l 3 '" + pdf + "' -").value_or("");
  // Spaces read back as spaces, not as the control codes a font may share their glyph with.
  const std::string all = capture("pdftotext '" + pdf + "' -").value_or("");
  EXPECT_EQ(std::count_if(all.begin(), all.end(),
                          [](char c) { return c > 0 && c < ' ' && c != '\n' && c != '\f'; }),
            0)
      << all;
  for (const auto& row : analysis["need"]) {
    const std::regex expected(escaped(row["caption"].get<std::string>()) + R"(\s+)" +
                              escaped(row["hours"].get<std::string>()) + R"(\s+)" +
                              escaped(row["percent"].get<std::string>()));
    EXPECT_TRUE(std::regex_search(text, expected)) << row.dump() << "\n" << text;
  }
  std::string best = analysis["mostImportant"].get<std::string>();
  best = best.substr(0, best.find_first_of(",\r"));
  EXPECT_NE(text.find("가장 중요한 기후설계 지침은 " + best), std::string::npos) << text;
}
#endif

TEST_F(ReportCommand, RefusalsTouchNoFile) {
  const std::string pdf = path("seoul.pdf");
  EXPECT_EQ(run({"report", "서울", "--from", "12/31/23", "--to", "1/1/0", "-o", pdf}),
            kExitRefused);
  EXPECT_NE(err_.str().find("[에러]"), std::string::npos) << err_.str();
  EXPECT_FALSE(fs::exists(pdf));
  // A site given for a .cly file is checked before the file is read.
  const std::string cly = (fs::path(VLM_PROGRAM_DIR) / "weather" / "seoul.cly").string();
  EXPECT_EQ(run({"report", cly, "--site", "37.5,200", "-o", pdf}), kExitRefused);
  EXPECT_EQ(err_.str(),
            "[에러]\n위치가 유효하지 않습니다.\n[경도는 -180° 이상 180° 이하이어야 합니다.]\n");
  EXPECT_FALSE(fs::exists(pdf));
  EXPECT_EQ(run({"report", "서울", "-o", path("seoul.png")}), kExitPlatform);
  EXPECT_FALSE(fs::exists(path("seoul.png")));
  { std::ofstream(pdf) << "old"; }
  EXPECT_EQ(run({"report", "서울", "-o", pdf}), kExitRefused);
  std::ifstream kept(pdf);
  std::string content;
  std::getline(kept, content);
  EXPECT_EQ(content, "old");
}

#ifdef VLM_HAVE_RENDER
TEST_F(ReportCommand, AnUnwritableTargetIsAPlatformFailure) {
  fs::create_directories(dir_ / "folder.pdf");
  EXPECT_EQ(run({"report", "서울", "--yes", "-o", path("folder.pdf")}), kExitPlatform);
  EXPECT_NE(err_.str(), "");
  EXPECT_TRUE(fs::is_directory(dir_ / "folder.pdf"));
}

// Stderr is the CLI's message channel: a year whose file holds NaN readings
// (a .cly file's values are never checked) leaves the charts' library
// nothing to complain about there.
TEST_F(ReportCommand, AYearWithNaNReadingsPrintsNothingOnStandardError) {
  std::ifstream in(std::string(VLM_PROGRAM_DIR) + "/weather/seoul.cly", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  ASSERT_EQ(bytes.size(), 227760u);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  // Wind speed and radiation (at their offsets in the 26-byte record), which
  // no psychrometric function reads, so the load takes them as they are.
  for (std::size_t k = 0; k < 8760; k += 97) {
    for (const std::size_t offset : {16, 22}) std::memcpy(&bytes[k * 26 + offset], &nan, 4);
  }
  std::ofstream(path("nan.cly"), std::ios::binary) << bytes;
  const std::string command = std::string(VLM_PROGRAM_DIR) + "/vlm-cli report " + path("nan.cly") +
                              " -o " + path("nan.pdf") + " 2>&1 >/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  ASSERT_TRUE(pipe);
  std::string err;
  std::array<char, 4096> buffer{};
  for (std::size_t n = 0; (n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;)
    err.append(buffer.data(), n);
  EXPECT_EQ(err, "");
  EXPECT_TRUE(fs::exists(path("nan.pdf")));
}
#endif

}  // namespace
}  // namespace vlm::cli
