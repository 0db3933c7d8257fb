// The region page: its start state, the file choice, every message of the
// confirmation in its order, a full load with the publishing of the region to
// the analysis and graph pages, and how often the progress bar is painted.
#include <QAbstractButton>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <vector>

#include "core/analysis/climate_report.h"
#include "core/climate/cly_file.h"
#include "core/climate/region_catalog.h"
#include "gui/app_state.h"
#include "gui/main_window.h"
#include "gui/navigation_pane.h"
#include "gui/pages/frm11.h"
#include "gui/pages/frm12.h"
#include "gui/pages/progress_bar.h"
#include "render/picture_box.h"
#include "tests/gui/support/gui_test_support.h"

using namespace vlm;

namespace {

// A sink that also notes what the page showed at the moment of each box.
class SnapshotSink final : public MessageSink {
 public:
  struct Shot {
    Message message;
    QString progressText;
    int progressValue;
    qint64 elapsedMs;
  };
  MessageAnswer show(const Message& message) override {
    const auto* text = page != nullptr ? page->findChild<QLabel*>("lbl11Prog") : nullptr;
    const auto* bar = page != nullptr ? page->findChild<ProgressBar*>("progBar11") : nullptr;
    shots.push_back(Shot{message, text != nullptr ? text->text() : QString(),
                         bar != nullptr ? bar->value() : -1, clock.elapsed()});
    return MessageAnswer::Ok;
  }
  QString text(std::size_t i) const { return QString::fromStdString(shots.at(i).message.text()); }
  QString title(std::size_t i) const { return QString::fromStdString(shots.at(i).message.title); }

  const QWidget* page = nullptr;
  QElapsedTimer clock;
  std::vector<Shot> shots;
};

// A loadable year: RecIndex k + 123 and plain observations.
std::vector<ClimateFileRecord> validYear() {
  std::vector<ClimateFileRecord> records(kHoursPerYear);
  for (int k = 1; k <= kHoursPerYear; ++k) {
    ClimateFileRecord& r = records[static_cast<std::size_t>(k - 1)];
    r.RecIndex = static_cast<int16_t>(k + kRecIndexOffset);
    r.DBT = 10.0f + static_cast<float>(k % 24) * 0.5f;
    r.WBT = 8.0f;
    r.Pressure = 101.3f;
    r.WindDir = 90;
    r.WindSpeed = 2.5f;
    r.Cloud = 5;
    r.Radiation = 523.0f;
  }
  return records;
}

struct RegionPage {
  RegionPage() : state(dir.path(), sink) {
    window = std::make_unique<MainWindow>(state, settings.settings(), printer);
    frm11 = qobject_cast<Frm11*>(window->page("frm11"));
    sink.page = frm11;
  }
  void writeRegionFile(const char* stem) {
    writeClyFile(dir.filePath(QString("weather/%1.cly").arg(stem)).toStdString(), validYear());
  }
  template <class T>
  T* find(const char* name) const {
    return window->findChild<T*>(name);
  }
  void confirm() {
    sink.clock.start();
    find<QAbstractButton>("cmd11Confirm")->click();
  }
  // The chart with points and the analysis tab of frm12, the monthly chart and
  // the rose of frm13, all from the loaded year.
  void showAllFiguresOfTheLoadedYear() {
    find<QAbstractButton>("cmd12aSelectAll")->click();
    find<QAbstractButton>("cmd12aDraw")->click();
    find<QAbstractButton>("cmd131Draw")->click();
    find<QAbstractButton>("opt132year")->click();
    find<QAbstractButton>("cmd132Draw")->click();
  }
  // The value cells of frm12's analysis tab (the sunken labels).
  QStringList analysisValues() const {
    QStringList values;
    for (const char* frame : {"fra12b1", "fra12b2", "fra12b3", "fra12b4", "fra12b5"}) {
      for (const QLabel* label : find<QGroupBox>(frame)->findChildren<QLabel*>()) {
        if (label->frameShadow() == QFrame::Sunken) values << label->text();
      }
    }
    return values;
  }

  test::ProgramDir dir;
  test::TestSettings settings;
  test::PdfPagePrinter printer;
  SnapshotSink sink;
  AppState state;
  std::unique_ptr<MainWindow> window;
  Frm11* frm11 = nullptr;
};

// Every label of the analysis tab after the whole year is drawn with all boxes ticked.
QMap<QString, QString> analysisTab(const RegionPage& page) {
  QWidget* frm12 = page.window->page("frm12");
  for (const char* name : {"cmd12aSelectAll", "cmd12a1SA", "cmd12a2SA", "cmd12aDraw"})
    frm12->findChild<QAbstractButton*>(name)->click();
  QMap<QString, QString> texts;
  for (const QLabel* label : frm12->findChildren<QLabel*>())
    if (label->objectName().startsWith("lbl12b")) texts.insert(label->objectName(), label->text());
  return texts;
}

const QString kAdvice = QStringLiteral(
    "대상 지역의 기후파일이 유효하지 않습니다.\r\n"
    "Velmora용 기후파일(*.cly)인지 확인한 후 다시 시도하기 바랍니다.\r\n"
    "\r\n"
    "[참고 1]\r\n"
    "기타 지역의 경우, WYEC(혹은 TRY) 형식의 기후파일이 있으면 추가기능 - 기후파일\r\n"
    "변환에서 Velmora용 기후파일(*.cly)로 변환할 수 있습니다.\r\n"
    "\r\n"
    "[참고 2]\r\n"
    "기타 지역을 제외한 지역의 기후파일은 반드시 Velmora의\r\n"
    "실행 프로그램인 vlm.exe 파일이 위치한 디렉토리 하의 weather 디렉토리내에\r\n"
    "프로그램 설치시의 파일명(지역명.cly)대로 있어야 합니다.");

}  // namespace

class Frm11Test : public QObject {
  Q_OBJECT

 private slots:
  void startsWithSeoulAndNoFileChoice() {
    RegionPage page;
    auto* seoul = page.find<QRadioButton>("opt11Seoul");
    QVERIFY(seoul->isChecked());
    QVERIFY(seoul->font().bold());
    QVERIFY(!page.find<QAbstractButton>("cmd11Choose")->isEnabled());
    QCOMPARE(page.find<ProgressBar>("progBar11")->value(), 0);
    QCOMPARE(page.find<QLabel>("lbl11Prog")->text(), QString());
    QCOMPARE(page.frm11->windowTitle(), QString("1-지역선택"));
    QVERIFY(page.state.climate().RegionName.empty());
    QVERIFY(page.sink.shots.empty());
  }

  void creatingThePageClearsTheRegionStrings() {
    RecordingSink sink;
    AppState state("/nowhere", sink);
    state.climate().RegionName = "부산";
    state.climate().ClimateFilePath = "/old/pusan.cly";
    state.climate().OtherFilePath = "/old/mine.cly";
    Frm11 page(state, nullptr);
    QVERIFY(state.climate().RegionName.empty());
    QVERIFY(state.climate().ClimateFilePath.empty());
    QVERIFY(state.climate().OtherFilePath.empty());
  }

  void everyRegionHasItsOptionCaptionAndTip() {
    RegionPage page;
    for (const Region& region : kBuiltInRegions) {
      auto* option = page.find<QRadioButton>(std::string(region.optionName).c_str());
      QVERIFY2(option != nullptr, region.optionName.data());
      QCOMPARE(option->text(),
               QString::fromUtf8(region.koreanName.data(), region.koreanName.size()));
      QCOMPARE(option->toolTip(), option->text());
      // Every option lies on the map.
      QVERIFY(option->parentWidget()->rect().contains(option->geometry()));
    }
    QCOMPARE(page.find<QRadioButton>("opt11Mis")->text(), QString("기타"));
    QCOMPARE(page.find<QWidget>("pic11Map")->toolTip(),
             QString("대상 지역을 선택한 후, 지역선택 확인 버튼을 클릭하세요."));
    QCOMPARE(page.find<QWidget>("pic11Map")->size(), QSize(362, 412));
    QCOMPARE(page.find<QAbstractButton>("cmd11Choose")->text(), QString("기후파일 선택..."));
    QCOMPARE(page.find<QAbstractButton>("cmd11Choose")->toolTip(),
             QString("대상 기후파일(*.cly)을 선택하세요."));
    QCOMPARE(page.find<QAbstractButton>("cmd11Confirm")->text(), QString("지역선택 확인"));
    QCOMPARE(page.find<QAbstractButton>("cmd11Confirm")->toolTip(),
             QString("선택지역의 기후파일을 읽습니다."));
    QCOMPARE(page.find<QWidget>("progBar11")->toolTip(),
             QString("기후파일의 읽기 진행정도를 나타냅니다."));
  }

  void otherEnablesTheFileChoiceAndARegionDisablesIt() {
    RegionPage page;
    page.find<QAbstractButton>("opt11Mis")->click();
    QVERIFY(page.find<QAbstractButton>("cmd11Choose")->isEnabled());
    QVERIFY(page.find<QRadioButton>("opt11Mis")->font().bold());
    QVERIFY(!page.find<QRadioButton>("opt11Seoul")->font().bold());
    page.find<QAbstractButton>("opt11Jeju")->click();
    QVERIFY(!page.find<QAbstractButton>("cmd11Choose")->isEnabled());
  }

  void theFileDialogAsksForClimateFilesAndACancelKeepsThePick() {
    RegionPage page;
    std::vector<FileDialogRequest> requests;
    std::optional<QString> answer = QString("/data/mine.cly");
    page.frm11->setOpenFileDialog([&](QWidget*, const FileDialogRequest& request) {
      requests.push_back(request);
      return answer;
    });
    page.find<QAbstractButton>("opt11Mis")->click();
    page.find<QAbstractButton>("cmd11Choose")->click();
    QCOMPARE(page.state.climate().OtherFilePath, std::string("/data/mine.cly"));
    answer.reset();
    page.find<QAbstractButton>("cmd11Choose")->click();
    QCOMPARE(page.state.climate().OtherFilePath, std::string("/data/mine.cly"));
    QCOMPARE(requests.size(), std::size_t{2});
    QCOMPARE(requests[0].title, QString("기타 지역인 경우 기후파일(*.cly) 선택하기"));
    QCOMPARE(requests[0].directory, QString::fromStdString(page.state.programDir()));
    QCOMPARE(requests[0].filter,
             QString("Velmora용 기후파일(*.cly);;EPW 파일(*.epw);;모든 파일(*.*)"));
    QVERIFY(page.sink.shots.empty());
  }

  // A real typical year picked as EPW for "기타" shows its station, loads
  // without a conversion and gives the analysis tab of the built-in file made
  // from it.
  void aRealEpwLoadsThroughOtherAsItsBuiltInFileDoes() {
    const QString epw =
        QString(VLM_SHARED_CLIMATE_DIR) + "/epw/KOR_SO_Seoul.WS.471080_TMYx.2011-2025.epw";
    if (!QFile::exists(epw)) QSKIP("no shared climate folder");
    RegionPage page;
    QVERIFY(QDir().mkpath(page.dir.filePath("weather")));
    QVERIFY(QFile::copy(QString(VLM_PROGRAM_DIR) + "/weather/seoul.cly",
                        page.dir.filePath("weather/seoul.cly")));
    page.confirm();
    QMap<QString, QString> builtIn = analysisTab(page);

    page.frm11->setOpenFileDialog([&](QWidget*, const FileDialogRequest&) { return epw; });
    page.find<QAbstractButton>("opt11Mis")->click();
    page.find<QAbstractButton>("cmd11Choose")->click();
    QCOMPARE(page.find<QLabel>("lbl11OtherFile")->text(),
             epw + "\n관측소: Seoul.WS (위도 37.5714°)");
    page.sink.shots.clear();
    page.confirm();
    QCOMPARE(page.sink.shots.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(page.sink.shots[0].message.lines[0]),
             QString("기타 지역의 기후파일 읽기가 완료되었습니다."));
    QCOMPARE(page.state.climate().ClimateFilePath, epw.toStdString());
    QMap<QString, QString> fromEpw = analysisTab(page);
    QCOMPARE(fromEpw.take("lbl12b1_0"), QString("기타"));
    QCOMPARE(builtIn.take("lbl12b1_0"), QString("서울"));
    QVERIFY(!fromEpw.value("lbl12b5").isEmpty());
    QCOMPARE(fromEpw, builtIn);
  }

  void otherConfirmedWithoutAFileReadsNothing() {
    RegionPage page;
    page.find<QAbstractButton>("opt11Mis")->click();
    page.confirm();
    QCOMPARE(page.sink.shots.size(), std::size_t{1});
    QCOMPARE(page.sink.title(0), QString("에러"));
    QCOMPARE(page.sink.shots[0].message.icon, MessageIcon::Error);
    QCOMPARE(page.sink.text(0), QString("기타 지역의 기후파일이 유효하지 않습니다.\r\n"
                                        "[기타 지역의 기후파일이 선택되지 않았습니다.\r\n"
                                        "확인한 후 다시 시도하시기 바랍니다.]"));
    QCOMPARE(page.state.climate().year[1].RecIndex, int16_t{0});
    QCOMPARE(page.find<QGroupBox>("fra12aDrawOption")->title(),
             QString("그림종류 선택(대상지역 : 없음)"));
  }

  void aRefusedFileGivesTheValidatorsBoxThenTheAdvice() {
    RegionPage page;
    // One record too few: the size rule refuses it before anything is read.
    std::vector<ClimateFileRecord> year = validYear();
    year.pop_back();
    writeClyFile(page.dir.filePath("weather/seoul.cly").toStdString(), year);
    page.confirm();
    QCOMPARE(page.sink.shots.size(), std::size_t{2});
    QCOMPARE(page.sink.title(0), QString("에러"));
    QCOMPARE(page.sink.text(0),
             QString("대상 지역의 기후파일이 유효하지 않습니다.\r\n[파일크기(227,760byte) 위반]"));
    QCOMPARE(page.sink.title(1), QString("Velmora"));
    QCOMPARE(page.sink.shots[1].message.icon, MessageIcon::Information);
    QCOMPARE(page.sink.text(1), kAdvice);
    QCOMPARE(page.state.climate().year[1].RecIndex, int16_t{0});
    QCOMPARE(page.find<ProgressBar>("progBar11")->value(), 0);
  }

  void aMissingBuiltInFileGivesThePlatformsDescription() {
    RegionPage page;
    page.find<QAbstractButton>("opt11Pusan")->click();
    page.confirm();
    QCOMPARE(page.sink.shots.size(), std::size_t{1});
    QCOMPARE(page.sink.title(0), QString("에러"));
    QCOMPARE(page.sink.shots[0].message.icon, MessageIcon::Error);
    QCOMPARE(page.sink.text(0), "파일을 찾을 수 없습니다. (" +
                                    QString::fromStdString(page.state.programDir()) +
                                    "/weather/pusan.cly)");
    QCOMPARE(page.find<QLabel>("lbl12c14")->text(), QString());
  }

  void loadingSeoulCompletesAndPublishesTheRegion() {
    RegionPage page;
    page.writeRegionFile("seoul");
    page.confirm();
    QCOMPARE(page.sink.shots.size(), std::size_t{1});
    QCOMPARE(page.sink.title(0), QString("Velmora"));
    QCOMPARE(page.sink.text(0), QString("서울 지역의 기후파일 읽기가 완료되었습니다.\r\n"
                                        "기후분석 혹은 월별 기후표현 메뉴로 이동하세요."));
    // While the completion box is up the bar is full and the label names the file.
    QCOMPARE(page.sink.shots[0].progressValue, 100);
    QCOMPARE(page.sink.shots[0].progressText, QString("서울 지역의 기후파일 읽는 중..."));
    QCOMPARE(page.find<ProgressBar>("progBar11")->value(), 0);
    QCOMPARE(page.find<QLabel>("lbl11Prog")->text(), QString());

    const QString path = QString::fromStdString(page.state.programDir()) + "/weather/seoul.cly";
    QCOMPARE(page.state.climate().RegionName, std::string("서울"));
    QCOMPARE(QString::fromStdString(page.state.climate().ClimateFilePath), path);
    QCOMPARE(page.state.climate().year[kHoursPerYear].RecIndex, int16_t{8883});
    QCOMPARE(page.find<QGroupBox>("fra12aDrawOption")->title(),
             QString("그림종류 선택(대상지역 : 서울)"));
    QCOMPARE(page.find<QLabel>("lbl12c14")->text(), QString("서울"));
    QCOMPARE(page.find<QLabel>("lbl12c15")->text(), path);
    for (const char* label : {"lbl131d", "lbl132d"})
      QCOMPARE(page.find<QLabel>(label)->text(), QString("서울"));
    for (const char* label : {"lbl131e", "lbl132e"})
      QCOMPARE(page.find<QLabel>(label)->text(), path);
  }

  void anOtherFileIsPublishedWithItsOwnPath() {
    RegionPage page;
    const QString mine = page.dir.filePath("mine.cly");
    writeClyFile(mine.toStdString(), validYear());
    page.frm11->setOpenFileDialog([&](QWidget*, const FileDialogRequest&) { return mine; });
    page.find<QAbstractButton>("opt11Mis")->click();
    page.find<QAbstractButton>("cmd11Choose")->click();
    page.confirm();
    QCOMPARE(page.sink.shots.size(), std::size_t{1});
    QCOMPARE(page.sink.text(0), QString("기타 지역의 기후파일 읽기가 완료되었습니다.\r\n"
                                        "기후분석 혹은 월별 기후표현 메뉴로 이동하세요."));
    QCOMPARE(page.sink.shots[0].progressText, "기타 지역의 기후파일(" + mine + ") 읽는 중...");
    QCOMPARE(page.find<QGroupBox>("fra12aDrawOption")->title(),
             QString("그림종류 선택(대상지역 : 기타)"));
    QCOMPARE(page.find<QLabel>("lbl12c15")->text(), mine);
    QCOMPARE(page.find<QLabel>("lbl132e")->text(), mine);
  }

  // "위치" belongs to "기타": a listed site, none, or a typed one checked
  // before the file is read, so that a refused site loads nothing.
  void aSiteIsChosenOrTypedForAnOtherFileAndCheckedBeforeTheLoad() {
    RegionPage page;
    const QString mine = page.dir.filePath("mine.cly");
    writeClyFile(mine.toStdString(), validYear());
    page.frm11->setOpenFileDialog([&](QWidget*, const FileDialogRequest&) { return mine; });
    auto* site = page.find<QComboBox>("cbo11Site");
    auto* latitude = page.find<QLineEdit>("txt11Latitude");
    QVERIFY(!site->isEnabled());
    page.find<QAbstractButton>("opt11Mis")->click();
    page.find<QAbstractButton>("cmd11Choose")->click();
    QVERIFY(site->isEnabled());
    QCOMPARE(site->itemText(0), QString("모름"));
    QVERIFY(!latitude->isEnabled());
    QCOMPARE(page.find<QLineEdit>("txt11UtcOffset")->text(), QString("9"));

    const QString refused = QStringLiteral(
        "위치가 유효하지 않습니다.\r\n[위도는 -90°보다 크고 90°보다 작아야 합니다.]");
    struct Step {
      QString entry, latitude;
      std::optional<Site> site;  // the loaded year's after the confirmation
      QString message;           // the first box shown
    };
    const std::vector<Step> steps = {
        {"108 서울 (ASOS)", "", Site{"서울", 37.57142, 126.9658, 9},
         "기타 지역의 기후파일 읽기가 완료되었습니다.\r\n기후분석 혹은 월별 기후표현 메뉴로 "
         "이동하세요."},
        {"직접 입력", "90", Site{"서울", 37.57142, 126.9658, 9}, refused},
        {"직접 입력", " 35.5", Site{"", 35.5, 127.25, 9}, ""},
        {"모름", "", std::nullopt, ""},
    };
    page.find<QLineEdit>("txt11Longitude")->setText("127.25");
    for (const Step& step : steps) {
      site->setCurrentIndex(site->findText(step.entry));
      QCOMPARE(latitude->isEnabled(), step.entry == "직접 입력");
      latitude->setText(step.latitude);
      page.sink.shots.clear();
      page.confirm();
      QCOMPARE(page.state.climate().site, step.site);
      QVERIFY(!page.sink.shots.empty());
      if (!step.message.isEmpty()) QCOMPARE(page.sink.text(0), step.message);
    }
    QCOMPARE(page.sink.shots.size(), std::size_t{1});
  }

  void aLoadPaintsTheBarOncePerPercentAndReportsItsTime() {
    RegionPage page;
    page.writeRegionFile("seoul");
    page.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.window.get()));
    QVERIFY(page.window->navigation()->selectItem("지역선택"));
    QCoreApplication::processEvents();
    ProgressBar* bar = page.find<ProgressBar>("progBar11");
    QVERIFY(bar->isVisible());
    bar->resetPaintCount();
    page.confirm();
    QCOMPARE(page.sink.shots.size(), std::size_t{1});
    const int paints = bar->paintCount();
    qInfo("Seoul load, cmd11Confirm to the completion box: %lld ms; progress bar painted %d times",
          static_cast<long long>(page.sink.shots[0].elapsedMs), paints);
    QVERIFY2(paints <= 101, qPrintable(QString::number(paints)));
    // The bar moved while the load held the thread, not only after it.
    QVERIFY2(paints >= 50, qPrintable(QString::number(paints)));
  }

  // Whatever the analysis and graph pages computed from Seoul is gone once
  // another year is loaded, whether that load completes or fails part-way.
  void anotherLoadLeavesNoFigureOfTheYearBefore() {
    for (const bool daeguFails : {false, true}) {
      RegionPage page;
      page.writeRegionFile("seoul");
      auto daegu = validYear();
      // A zero station pressure faults the derivation of hour 5.
      if (daeguFails) daegu[4].Pressure = 0.0f;
      writeClyFile(page.dir.filePath("weather/taegu.cly").toStdString(), daegu);
      page.confirm();
      page.showAllFiguresOfTheLoadedYear();
      QVERIFY(!page.find<PictureBox>("pic12aChart")->blank());
      QVERIFY(!page.find<PictureBox>("pic132")->blank());
      QVERIFY(!page.find<QChartView>("chart131")->isHidden());
      QVERIFY(!page.analysisValues().join("").isEmpty());

      page.find<QAbstractButton>("opt11Taegu")->click();
      page.sink.shots.clear();
      page.confirm();
      const QString region = daeguFails ? QString() : QString("대구");
      QCOMPARE(page.find<QGroupBox>("fra12aDrawOption")->title(),
               "그림종류 선택(대상지역 : " + (daeguFails ? QString("없음") : region) + ")");
      for (const char* label : {"lbl12c14", "lbl131d", "lbl132d"})
        QCOMPARE(page.find<QLabel>(label)->text(), region);
      QVERIFY(page.find<PictureBox>("pic12aChart")->blank());
      QVERIFY(page.analysisValues().join("").isEmpty());
      QVERIFY(page.find<QChartView>("chart131")->isHidden());
      QVERIFY(page.find<QChartView>("chart131")->chart()->series().isEmpty());
      QVERIFY(page.find<PictureBox>("pic132")->blank());
      QCOMPARE(page.find<QLabel>("lbl132WS_title")->text(), QString());
    }
  }

  // After a load that failed part-way no page works on the mixed year: the
  // extraction, the chart and both graphs ask for a region first.
  void aYearMixedByAFailedLoadIsNotExtractedNorDrawn() {
    RegionPage page;
    page.writeRegionFile("seoul");
    auto daegu = validYear();
    daegu[4].Pressure = 0.0f;
    writeClyFile(page.dir.filePath("weather/taegu.cly").toStdString(), daegu);
    page.confirm();
    page.find<QAbstractButton>("opt11Taegu")->click();
    page.confirm();
    bool asked = false;
    qobject_cast<Frm12*>(page.window->page("frm12"))
        ->setSaveFileDialog([&](QWidget*, const FileDialogRequest&) {
          asked = true;
          return std::optional<QString>();
        });
    page.sink.shots.clear();
    page.find<QAbstractButton>("cmd12cSave")->click();
    QVERIFY(!asked);
    QCOMPARE(page.sink.shots.size(), std::size_t{1});
    QCOMPARE(page.sink.text(0), QString::fromStdString(ReportNoRegionMessage().text()));
    page.find<QAbstractButton>("cmd131Draw")->click();
    page.find<QAbstractButton>("cmd132Draw")->click();
    page.find<QCheckBox>("chk12aDataPlot")->setChecked(true);
    page.find<QAbstractButton>("cmd12aDraw")->click();
    QCOMPARE(page.sink.shots.size(), std::size_t{4});
    for (std::size_t i = 1; i < 4; ++i)
      QVERIFY2(page.sink.text(i).contains("선택되지"), qPrintable(page.sink.text(i)));
    QVERIFY(page.find<PictureBox>("pic12aChart")->blank());
    QVERIFY(page.find<PictureBox>("pic132")->blank());
  }
};

QTEST_MAIN(Frm11Test)
#include "test_frm11.moc"
