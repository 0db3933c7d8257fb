#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/common/atomic_file.h"
#include "core/common/cp949.h"
#include "core/common/file_error.h"
#include "core/common/message.h"

namespace vlm {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vlm_atomic_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::size_t filesInDir() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }
  fs::path dir_;
};

TEST_F(AtomicFileTest, CommitReplacesTheTargetWhole) {
  const auto target = dir_ / "out.txt";
  std::ofstream(target) << "old content that is longer";
  writeFileAtomically(target.string(), "new");
  EXPECT_EQ(readAll(target), "new");
  EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(AtomicFileTest, AbandonedWriteLeavesTargetAndNoTemporaryFile) {
  const auto target = dir_ / "out.txt";
  std::ofstream(target) << "kept";
  {
    AtomicFile file(target.string());
    file.write("partial");
  }
  EXPECT_EQ(readAll(target), "kept");
  EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(AtomicFileTest, ALongNameKeepsItsPermissionsAndLeavesNoLitter) {
  // 250 bytes is a valid name; the temporary file's name must not push it past 255.
  const auto target = dir_ / std::string(250, 'a');
  std::ofstream(target) << "old";
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // A temporary file left by an earlier write of the same target that was interrupted.
  std::ofstream(AtomicFile::temporaryPathOf(target.string())) << "stale";
  writeFileAtomically(target.string(), "new");
  EXPECT_EQ(readAll(target), "new");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(AtomicFileTest, ADirectoryIsNotReplaced) {
  fs::create_directory(dir_ / "report.txt");
  try {
    writeFileAtomically((dir_ / "report.txt").string(), "x");
    FAIL() << "expected FileError";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()),
              "파일이 아니라 디렉토리입니다. (" + (dir_ / "report.txt").string() + ")");
  }
  EXPECT_TRUE(fs::is_directory(dir_ / "report.txt"));
  EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(AtomicFileTest, MissingFolderIsAFileErrorWithKoreanDescription) {
  const auto target = dir_ / "no" / "such" / "out.txt";
  try {
    writeFileAtomically(target.string(), "x");
    FAIL() << "expected FileError";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("파일을 찾을 수 없습니다."), std::string::npos);
  }
}

TEST(Cp949Test, RoundTripsKoreanText) {
  const std::string korean = "기후데이터 추출 (서울) 'C";
  const std::string encoded = toCp949(korean);
  EXPECT_EQ(encoded.size(), 25u);  // 9 Hangul of two bytes each, 7 ASCII
  EXPECT_EQ(fromCp949(encoded), korean);
}

TEST(Cp949Test, UnencodableCharacterIsRefused) { EXPECT_THROW((void)toCp949("😀"), std::runtime_error); }

TEST(Cp949Test, ReplacingWritesAQuestionMarkForWhatCp949CannotHold) {
  const struct {
    std::string utf8, expected;
  } cases[] = {
      {"서울 é 😀", toCp949("서울 ? ?")},
      {"a\xff\xfe"
       "b",
       "a??b"},
      {"끝\xe2\x82", toCp949("끝") + "?"},
      {"𠀀 rare Han", "? rare Han"},
  };
  for (const auto& c : cases) EXPECT_EQ(toCp949Replacing(c.utf8), c.expected) << c.utf8;
}

TEST(MessageTest, LinesJoinWithCrLfAndSinkRecordsAnswers) {
  RecordingSink sink;
  sink.queueAnswer(MessageAnswer::No);
  const Message question = questionMessage({"덮어쓰시겠습니까?", "", "[확인]"});
  EXPECT_EQ(question.text(), "덮어쓰시겠습니까?\r\n\r\n[확인]");
  EXPECT_EQ(sink.show(question), MessageAnswer::No);
  EXPECT_EQ(sink.show(question), MessageAnswer::Yes);
  EXPECT_EQ(sink.show(errorMessage({"a"})), MessageAnswer::Ok);
  ASSERT_EQ(sink.size(), 3u);
  EXPECT_EQ(sink.last().title, "에러");
  EXPECT_EQ(infoMessage({"b"}).title, "Velmora");
}

}  // namespace
}  // namespace vlm
