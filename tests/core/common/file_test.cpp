#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>
#include <vector>

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
  // A write of the same target interrupted earlier: its process ended mid-write.
  const pid_t child = ::fork();
  if (child == 0) {
    AtomicFile interrupted(target.string());
    interrupted.write("partial");
    ::_exit(0);
  }
  ASSERT_GT(child, 0);
  ::waitpid(child, nullptr, 0);
  ASSERT_EQ(filesInDir(), 2u);
  writeFileAtomically(target.string(), "new");
  EXPECT_EQ(readAll(target), "new");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(filesInDir(), 1u);
}

// Renaming over anything but a regular file would replace the device, pipe or
// link itself. Everything here is made in the test's own folder.
TEST_F(AtomicFileTest, OnlyARegularFileIsReplaced) {
  fs::create_directory(dir_ / "folder");
  const struct {
    const char* name;
    std::function<bool(const fs::path&)> make;
    const char* text;
  } cases[] = {
      {"pipe.csv", [](const fs::path& p) { return ::mkfifo(p.c_str(), 0644) == 0; },
       "파일이 아니라 파이프입니다."},
      {"device.csv",
       [](const fs::path& p) { return ::mknod(p.c_str(), S_IFCHR | 0644, makedev(1, 7)) == 0; },
       "파일이 아니라 장치입니다."},
      {"dir.csv", [](const fs::path& p) { return fs::create_directory(p); },
       "파일이 아니라 디렉토리입니다."},
      {"broken.csv", [](const fs::path& p) { return ::symlink("nothing.csv", p.c_str()) == 0; },
       "파일이 아니라 끊어진 심볼릭 링크입니다."},
      {"to_folder.csv", [](const fs::path& p) { return ::symlink("folder", p.c_str()) == 0; },
       "파일이 아니라 디렉토리입니다."},
      {"to_pipe.csv", [](const fs::path& p) { return ::symlink("pipe.csv", p.c_str()) == 0; },
       "파일이 아니라 파이프입니다."},
  };
  for (const auto& c : cases) {
    const fs::path target = dir_ / c.name;
    if (!c.make(target)) {
      ADD_FAILURE() << "could not make " << c.name << " (the test runs as root)";
      continue;
    }
    const auto before = fs::symlink_status(target).type();
    const std::size_t files = filesInDir();
    try {
      writeFileAtomically(target.string(), "x");
      ADD_FAILURE() << c.name << " was replaced";
    } catch (const FileError& e) {
      EXPECT_EQ(std::string(e.what()), std::string(c.text) + " (" + target.string() + ")");
    }
    EXPECT_EQ(fs::symlink_status(target).type(), before) << c.name;
    EXPECT_EQ(filesInDir(), files) << c.name;
  }
}

TEST_F(AtomicFileTest, ALinkedFileIsReplacedThroughTheLink) {
  fs::create_directory(dir_ / "data");
  std::ofstream(dir_ / "data" / "real.csv") << "old";
  fs::create_symlink("data/real.csv", dir_ / "out.csv");
  writeFileAtomically((dir_ / "out.csv").string(), "new");
  EXPECT_TRUE(fs::is_symlink(dir_ / "out.csv"));
  EXPECT_EQ(readAll(dir_ / "data" / "real.csv"), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "data"), {}), 1);
  EXPECT_EQ(filesInDir(), 2u);
}

// Several processes saving the same report: each write has a temporary file of
// its own, all succeed, the last rename wins whole, and nothing is left over.
TEST_F(AtomicFileTest, ConcurrentWritesOfOneTargetAllSucceed) {
  const auto target = dir_ / "same.pdf";
  constexpr int kWriters = 6;
  constexpr int kWrites = 40;
  std::vector<std::string> contents;
  for (int w = 0; w < kWriters; ++w) contents.push_back(std::string(4000 + w, char('a' + w)));
  std::vector<int> failures(kWriters, 0);
  std::vector<std::thread> writers;
  for (int w = 0; w < kWriters; ++w) {
    writers.emplace_back([&, w] {
      for (int i = 0; i < kWrites; ++i) {
        try {
          writeFileAtomically(target.string(), contents[static_cast<std::size_t>(w)]);
        } catch (const FileError&) {
          ++failures[static_cast<std::size_t>(w)];
        }
      }
    });
  }
  for (std::thread& writer : writers) writer.join();
  EXPECT_EQ(failures, std::vector<int>(kWriters, 0));
  const std::string last = readAll(target);
  EXPECT_NE(std::find(contents.begin(), contents.end(), last), contents.end());
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
