// vlm-cli batch analyse|months|degree-days FILE… [--list FILE] [--jobs N] -o OUT.csv:
// one subcommand over many climate files (.cly paths, built-in region names,
// .epw files imported in memory, shell-style patterns), on every core, one CSV
// row per file in the order given. A file that cannot be read or is refused
// gets its message in the error column and does not stop the others. analyse
// takes --from/--to, degree-days the two bases; either given to another
// subcommand is a usage error, since it would silently change nothing.
#include <glob.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "cli/batch_rows.h"
#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/output_file.h"
#include "cli/period_arg.h"
#include "core/climate/climate_stats.h"
#include "core/climate/epw_import.h"
#include "core/climate/region_display.h"
#include "core/common/atomic_file.h"
#include "core/common/file_error.h"
#include "core/seasonal/degree_days.h"

namespace vlm::cli {
namespace {

struct BatchArgs {
  std::string command;
  std::vector<std::string> files;
  std::string list;
  unsigned jobs = 0;
  std::string output;
  bool yes = false;
  std::string heatingBase = "18";
  std::string coolingBase = "24";
  PeriodArgs period;
  // The options only some subcommands read, and the subcommand that reads each.
  std::vector<std::pair<const CLI::Option*, std::string_view>> readOnlyBy;
};

// Keeps the text of every box except information, for the error column.
class ErrorTextSink final : public MessageSink {
 public:
  MessageAnswer show(const Message& message) override {
    if (message.icon == MessageIcon::Information) return MessageAnswer::Ok;
    for (const auto& line : message.lines) {
      if (line.empty()) continue;
      if (!text_.empty()) text_ += ' ';
      text_ += line;
    }
    return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
  }
  [[nodiscard]] const std::string& text() const { return text_; }

 private:
  std::string text_;
};

struct Outcome {
  std::string region;
  std::vector<std::string> cells;
  std::string error;
};

// A pattern with no match stays as it is, so that its row says why.
void addMatches(const std::string& pattern, std::vector<std::string>& files) {
  if (pattern.find_first_of("*?[") == std::string::npos) {
    files.push_back(pattern);
    return;
  }
  glob_t found{};
  if (::glob(pattern.c_str(), 0, nullptr, &found) != 0) {
    files.push_back(pattern);
  } else {
    for (std::size_t i = 0; i < found.gl_pathc; ++i) files.emplace_back(found.gl_pathv[i]);
  }
  ::globfree(&found);
}

std::vector<std::string> inputFiles(const BatchArgs& args) {
  std::vector<std::string> files;
  for (const auto& pattern : args.files) addMatches(pattern, files);
  if (!args.list.empty()) {
    std::ifstream in(args.list);
    if (!in) throwFileError(errno, args.list);
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) addMatches(line, files);
    }
  }
  return files;
}

bool isEpw(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ext = path.substr(path.size() - 4);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return ext == ".epw";
}

// An EPW year imported in memory with the conversion's checks, then loaded
// as a file of its own ("기타"); its row is named after the station of its
// LOCATION line ("기타 (SEOUL)"). The batch keeps every core busy with files, so a year's
// hours are converted on the thread that reads them.
std::optional<std::string> loadEpw(ClimateData& data, const std::string& path,
                                   Psychrometrics& psychro, MessageSink& sink) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throwFileError(errno, path);
  const auto year = ImportEpw(in, sink, {}, EpwCores::One);
  if (!year) return std::nullopt;
  data.RegionName = std::string(kOtherRegionName);
  data.ClimateFilePath = data.OtherFilePath = path;
  readClimateYear(data, ClyFileReader(path, encodeClyFile(year->records)), psychro);
  ComputeMonthStats(data);
  CountWindDirs(data);
  return RegionDisplayName(data.RegionName, year->station.name, path);
}

Outcome processFile(const std::string& file, const BatchTable& table,
                    const std::string& programDir) {
  ErrorTextSink sink;
  auto data = std::make_unique<ClimateData>();
  Psychrometrics psychro;
  try {
    std::optional<std::string> region;
    if (isEpw(file)) {
      region = loadEpw(*data, file, psychro, sink);
    } else {
      const ClimateChoice choice = resolveClimateChoice(ClimateArgs{file, {}}, programDir);
      if (choice.regionName == kOtherRegionName) data->OtherFilePath = choice.filePath;
      if (LoadClimateYear(*data, choice, psychro, sink)) region = RegionDisplayName(*data);
    }
    if (!region) return {{}, {}, sink.text()};
    auto cells = table.row(*data, psychro, sink);
    if (!cells) return {*region, {}, sink.text()};
    return {*region, std::move(*cells), {}};
  } catch (const std::exception& e) {
    return {{}, {}, e.what()};
  }
}

// "\r처리한 파일: k/N" on a terminal, redrawn as files finish.
class ProgressLine {
 public:
  ProgressLine(std::ostream& err, bool shown, std::size_t total)
      : err_(err), shown_(shown), total_(total) {}
  void fileDone() {
    const std::size_t done = ++done_;
    if (!shown_) return;
    const std::lock_guard lock(mutex_);
    err_ << "\r처리한 파일: " << done << '/' << total_ << std::flush;
    if (done == total_) err_ << '\n';
  }

 private:
  std::ostream& err_;
  bool shown_;
  std::size_t total_;
  std::atomic<std::size_t> done_{0};
  std::mutex mutex_;
};

// Each worker takes the next file until none is left, so at most one year per
// worker is in memory; rows keep the order of the input.
std::vector<Outcome> processAll(const std::vector<std::string>& files, const BatchTable& table,
                                const std::string& programDir, unsigned jobs,
                                ProgressLine& progress) {
  std::vector<Outcome> outcomes(files.size());
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t i = next++; i < files.size(); i = next++) {
      outcomes[i] = processFile(files[i], table, programDir);
      progress.fileDone();
    }
  };
  std::vector<std::jthread> workers;
  const auto extra = std::min<std::size_t>(jobs, files.size()) - 1;
  for (std::size_t w = 0; w < extra; ++w) workers.emplace_back(work);
  work();
  return outcomes;
}

std::string csvOf(const std::vector<std::string>& files, const std::vector<Outcome>& outcomes,
                  const BatchTable& table) {
  std::vector<std::string> header = {"file", "region"};
  header.insert(header.end(), table.header.begin(), table.header.end());
  header.emplace_back("error");
  std::string csv = csvLine(header);
  for (std::size_t i = 0; i < files.size(); ++i) {
    const Outcome& o = outcomes[i];
    std::vector<std::string> cells = {files[i], o.region};
    if (o.cells.empty()) {
      cells.resize(2 + table.header.size());
    } else {
      cells.insert(cells.end(), o.cells.begin(), o.cells.end());
    }
    cells.push_back(o.error);
    // A name that is not UTF-8 (a file's, or one a message quotes) is written as JSON writes it.
    for (std::string& cell : cells) cell = utf8Text(cell);
    csv += csvLine(cells);
  }
  return csv;
}

// An option the chosen subcommand does not read is a usage error.
void refuseUnreadOptions(const BatchArgs& args) {
  for (const auto& [option, reader] : args.readOnlyBy) {
    if (option->count() > 0 && args.command != reader)
      throw CLI::ValidationError(option->get_name(), "batch " + args.command +
                                                         "에는 쓸 수 없습니다 (batch " +
                                                         std::string(reader) + "만 읽습니다)");
  }
}

// The degree-day bases and the period, read and checked as the single
// commands read them, once for the whole batch; the period is checked as for
// a loaded "기타" year, since each file's own name is known only when it loads.
std::optional<BatchOptions> batchOptions(Context& ctx, const BatchArgs& args) {
  const auto heating = ReadDegreeDayBase(DegreeDayBase::Heating, args.heatingBase, ctx.sink);
  if (!heating) return std::nullopt;
  const auto cooling = ReadDegreeDayBase(DegreeDayBase::Cooling, args.coolingBase, ctx.sink);
  if (!cooling) return std::nullopt;
  const auto period = checkedHourlyPeriod(ctx, kOtherRegionName, args.period);
  if (!period) return std::nullopt;
  return BatchOptions{*heating, *cooling, period->start, period->end};
}

void runBatch(Context& ctx, const BatchArgs& args, bool terminal) {
  const auto options = batchOptions(ctx, args);
  if (!options) {
    ctx.exitCode = kExitRefused;
    return;
  }
  const auto table = batchTableOf(args.command, *options);
  const std::vector<std::string> files = inputFiles(args);
  if (files.empty()) {
    ctx.err << "batch: 처리할 기후파일이 없습니다.\n";
    ctx.exitCode = kExitPlatform;
    return;
  }
  if (!mayWrite(ctx, args.output, args.yes, overwriteQuestion(args.output))) return;
  const unsigned jobs =
      args.jobs > 0 ? args.jobs : std::max(1u, std::thread::hardware_concurrency());
  ProgressLine progress(ctx.err, terminal, files.size());
  const std::vector<Outcome> outcomes = processAll(files, *table, ctx.programDir, jobs, progress);
  writeFileAtomically(args.output, csvOf(files, outcomes, *table));
  const bool anyFailed = std::any_of(outcomes.begin(), outcomes.end(),
                                     [](const Outcome& o) { return !o.error.empty(); });
  if (anyFailed) ctx.exitCode = kExitRefused;
}

}  // namespace

void registerBatch(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<BatchArgs>();
  CLI::App* command = app.add_subcommand(
      "batch", "여러 기후파일에 같은 명령을 병렬로 실행하고 파일마다 CSV 한 줄을 씁니다");
  command->add_option("command", args->command, "analyse, months 또는 degree-days")
      ->required()
      ->check(CLI::IsMember(
          std::vector<std::string>(std::begin(kBatchCommands), std::end(kBatchCommands))));
  command->add_option("files", args->files, "기후파일(.cly, .epw), 지역 이름 또는 패턴(*.cly)");
  command->add_option("--list", args->list, "기후파일 경로를 한 줄에 하나씩 적은 파일");
  command->add_option("--jobs", args->jobs, "동시에 처리할 파일 수 (기본: 코어 수)")
      ->check(CLI::Range(1u, 1024u));
  command->add_option("-o,--output", args->output, "결과 CSV 파일")->required();
  command->add_flag("--yes", args->yes, "같은 이름의 파일이 있으면 묻지 않고 대체합니다");
  const CLI::Option* heating = command
                                   ->add_option("--heating-base", args->heatingBase,
                                                "degree-days: 난방도일의 기준온도(°C), 5 … 30")
                                   ->capture_default_str();
  const CLI::Option* cooling = command
                                   ->add_option("--cooling-base", args->coolingBase,
                                                "degree-days: 냉방도일의 기준온도(°C), 10 … 40")
                                   ->capture_default_str();
  addPeriodOptions(*command, args->period);
  args->readOnlyBy = {{heating, "degree-days"},
                      {cooling, "degree-days"},
                      {command->get_option("--from"), "analyse"},
                      {command->get_option("--to"), "analyse"}};
  command->callback([&ctx, args] {
    refuseUnreadOptions(*args);
    const bool terminal = &ctx.err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
    guarded(ctx, [&] { runBatch(ctx, *args, terminal); });
  });
}

}  // namespace vlm::cli
