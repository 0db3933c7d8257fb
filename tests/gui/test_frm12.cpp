// The climate-analysis page: its opening state with every caption, tip and
// legend colour; the period options; drawing and erasing with their messages;
// the analysis tab of Seoul; the extraction with its save dialog.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <optional>

#include "core/analysis/zone.h"
#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "core/common/cp949.h"
#include "gui/app_state.h"
#include "gui/pages/frm12.h"
#include "gui/pages/legend_shape.h"
#include "gui/pages/up_down.h"
#include "render/picture_box.h"

using namespace vlm;

namespace {

const char* const kOptions[] = {"chk12aPsychro", "chk12aDataPlot", "chk12aBioNeed",
                                "chk12aClima",   "chk12aLabel",    "chk12aResult"};
const char* const kNeed[] = {"chk12aTH", "chk12aTC", "chk12aTCT", "chk12aDH", "chk12aHU"};
const char* const kGuide[] = {"chk12aRC",  "chk12aRI",  "chk12aPSG", "chk12aRSG", "chk12aPV",
                              "chk12aPEC", "chk12aPRC", "chk12aMC",  "chk12aMCD"};

struct AnalysisPage {
  AnalysisPage() : state(dir.path().toStdString(), sink), page(state, nullptr) {
    page.resize(1100, 800);
    page.show();
  }

  template <class T>
  T* find(const QString& name) const {
    T* widget = page.findChild<T*>(name);
    if (widget == nullptr) qWarning() << "no widget" << name;
    return widget;
  }
  QString text(const QString& label) const { return find<QLabel>(label)->text(); }
  void tick(const char* name, bool on = true) { find<QCheckBox>(name)->setChecked(on); }
  void tickAll() {
    find<QAbstractButton>("cmd12aSelectAll")->click();
    find<QAbstractButton>("cmd12a1SA")->click();
    find<QAbstractButton>("cmd12a2SA")->click();
  }
  void draw() { find<QAbstractButton>("cmd12aDraw")->click(); }
  PictureBox* picture() const { return find<PictureBox>("pic12aChart"); }

  // The built-in Seoul year, as the region page loads it.
  void loadSeoul() {
    const auto seoul = regionByStem("seoul");
    QVERIFY(seoul.has_value());
    const ClimateChoice choice = builtInChoice(*seoul, VLM_PROGRAM_DIR);
    QVERIFY(LoadClimateYear(state.climate(), choice, state.psychro(), sink));
    page.setRegion("서울", QString::fromStdString(choice.filePath));
    sink.clear();
  }

  QTemporaryDir dir;
  RecordingSink sink;
  AppState state;
  Frm12 page;
};

int number(const QString& text) {
  bool ok = false;
  const int n = text.toInt(&ok);
  if (!ok) qWarning() << "not a count:" << text;
  return n;
}

}  // namespace

class Frm12Test : public QObject {
  Q_OBJECT

 private slots:
  void opensOnTheChartWithHourlyPeriodAndEmptyResults() {
    AnalysisPage p;
    QCOMPARE(p.page.windowTitle(), QString("1-기후분석"));
    auto* tab = p.find<QTabWidget>("tab12");
    QCOMPARE(tab->currentIndex(), 0);
    QCOMPARE(tab->tabText(0), QString("건물생체기후도"));
    QCOMPARE(tab->tabText(1), QString("분석 결과 및 기후설계 지침별 순위"));
    QCOMPARE(tab->tabText(2), QString("기후데이터 추출, 저장"));
    QCOMPARE(p.find<QGroupBox>("fra12aDrawOption")->title(),
             QString("그림종류 선택(대상지역 : 없음)"));
    for (const char* name : kOptions) QVERIFY2(!p.find<QCheckBox>(name)->isChecked(), name);
    for (const char* name : kNeed) QVERIFY2(!p.find<QCheckBox>(name)->isChecked(), name);
    for (const char* name : kGuide) QVERIFY2(!p.find<QCheckBox>(name)->isChecked(), name);
    auto* hour = p.find<QRadioButton>("opt12aHour");
    QVERIFY(hour->isChecked());
    QVERIFY(hour->font().bold());
    QVERIFY(!p.find<QRadioButton>("opt12aDay")->font().bold());
    const std::pair<const char*, const char*> fields[] = {
        {"txt12aHourMonth1", "1"},  {"txt12aHourDay1", "1"},    {"txt12aHourHour1", "0"},
        {"txt12aHourMonth2", "12"}, {"txt12aHourDay2", "31"},   {"txt12aHourHour2", "23"},
        {"txt12aDayMonth1", "1"},   {"txt12aDayDay1", "1"},     {"txt12aDayMonth2", "12"},
        {"txt12aDayDay2", "31"},    {"txt12aMonthMonth1", "1"}, {"txt12aMonthMonth2", "12"},
        {"txt12c11", "1"},          {"txt12c12", "1"},          {"txt12c13", "0"},
        {"txt12c14", "12"},         {"txt12c15", "31"},         {"txt12c16", "23"}};
    for (const auto& [name, value] : fields)
      QCOMPARE(p.find<QLineEdit>(name)->text(), QString(value));
    QVERIFY(p.find<QLineEdit>("txt12aHourDay2")->isEnabled());
    QVERIFY(!p.find<QLineEdit>("txt12aDayDay1")->isEnabled());
    QVERIFY(!p.find<UpDown>("ud12aMonthMonth2")->isEnabled());
    QCOMPARE(p.find<QProgressBar>("prog12aDraw")->value(), 0);
    QVERIFY(!p.find<QLabel>("lbl12aDBT_20")->isVisible());
    QCOMPARE(p.text("lbl12b5"), QString());
    QCOMPARE(p.text("lbl12b3a_5"), QString());
    QCOMPARE(p.text("lbl12cProg"), QString());
    QVERIFY(p.picture()->blank());
  }

  void controlsCarryTheirCaptionsAndTips() {
    AnalysisPage p;
    struct Button {
      const char* name;
      const char* caption;
      const char* tip;
    };
    const Button buttons[] = {
        {"cmd12aSelectAll", "모두선택", "그림종류 모두 선택"},
        {"cmd12aDeselectAll", "모두해제", "그림종류 모두 해제"},
        {"cmd12aDraw", "그리기", "건물생체기후도, 분석 결과 및 기후설계 지침별 순위 Tab 내용 표시"},
        {"cmd12aErase", "지우기",
         "건물생체기후도, 분석 결과 및 기후설계 지침별 순위 Tab 내용 지우기"},
        {"cmd12a1SA", "모두선택", "생체기후적 요구 죤 모두 선택"},
        {"cmd12a1DSA", "모두해제", "생체기후적 요구 죤 모두 해제"},
        {"cmd12a2SA", "모두선택", "기후설계 지침 죤 모두 선택"},
        {"cmd12a2DSA", "모두해제", "기후설계 지침 죤 모두 해제"},
        {"cmd12cSave", "기후데이터 추출, 저장...", "기후데이터 추출 후, 지정한 파일명으로 저장"},
    };
    for (const Button& b : buttons) {
      QCOMPARE(p.find<QAbstractButton>(b.name)->text(), QString(b.caption));
      QCOMPARE(p.find<QAbstractButton>(b.name)->toolTip(), QString(b.tip));
    }
    const char* const optionCaptions[] = {
        "습공기선도 표시",
        "기후데이터 표시(지역, 기간 필요)",
        "생체기후적 요구 죤 표시",
        "기후설계 지침 죤 표시",
        "온습도값 라벨 표시",
        "분석 결과 및 기후설계 지침별 순위\nTab 내용 표시(지역, 기간 필요)"};
    for (int i = 0; i < 6; ++i)
      QCOMPARE(p.find<QCheckBox>(kOptions[i])->text(), QString(optionCaptions[i]));
    QCOMPARE(p.find<QCheckBox>("chk12aTCT")->text(), QString("쾌적(그늘 필요)"));
    QCOMPARE(p.find<QCheckBox>("chk12aMCD")->text(),
             QString("기계냉방, 제습\n(Mechanical Cooling\nand Dehumidification)"));
    QCOMPARE(p.find<QRadioButton>("opt12aDay")->toolTip(),
             QString("일별 데이터를 표시하고, 동일기간의 시간별 데이터를 분석합니다."));
    QCOMPARE(p.find<QRadioButton>("opt12aHour")->toolTip(),
             QString("시간별 데이터를 표시하고, 분석합니다."));
    QCOMPARE(p.find<QGroupBox>("fra12aTime")->title(),
             QString("기후데이터 표시 및 분석 대상기간 설정, 월별 색구분 범례"));
    QCOMPARE(p.find<QGroupBox>("fra12b4")->title(),
             QString("기후설계 지침 죤 분석 결과 및 지침별 우선 순위"));
    QCOMPARE(p.text("lbl12b41"), QString("침기차단\n(Restrict Infiltration)"));
    QCOMPARE(p.text("lbl12b310"), QString("계"));
    QCOMPARE(p.text("lbl12b21"), QString("구    분"));
    QCOMPARE(p.text("lbl12b4t4"), QString("우선순위"));
    QCOMPARE(p.find<QGroupBox>("fra12c2")->title(), QString("저장될 기후데이터 요소"));
    QVERIFY(p.text("lbl12c21").startsWith("[요소]\n월 일 시\n건구온도"));
    QVERIFY(p.text("lbl12c23").endsWith("999\n999"));
  }

  void legendsWearTheColoursOfTheChart() {
    AnalysisPage p;
    const int16_t months[] = {1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14};
    for (int i = 0; i < 12; ++i) {
      QCOMPARE(p.find<LegendShape>(QString("shp12a_%1").arg(i))->paletteColor(), months[i]);
    }
    const int16_t need[] = {1, 9, 2, 10, 3};
    for (int i = 0; i < 5; ++i) {
      QCOMPARE(p.find<LegendShape>(QString("shp12aa%1").arg(i + 1))->paletteColor(), need[i]);
    }
    const int16_t guide[] = {11, 4, 12, 5, 13, 6, 14, 0, 8};
    for (int i = 0; i < 9; ++i) {
      QCOMPARE(p.find<LegendShape>(QString("shp12ab%1").arg(i + 1))->paletteColor(), guide[i]);
    }
    QCOMPARE(p.find<LegendShape>("shp12ab8")->color(), QColor(0, 0, 0));
    QCOMPARE(p.find<LegendShape>("shp12a_11")->color(), QColor(255, 255, 0));
  }

  void periodOptionsEnableTheirOwnFieldsAndKeepWhatWasTyped() {
    AnalysisPage p;
    p.find<QLineEdit>("txt12aHourDay1")->setText("17");
    p.find<QRadioButton>("opt12aMonth")->click();
    QVERIFY(p.find<QLineEdit>("txt12aMonthMonth1")->isEnabled());
    QVERIFY(p.find<UpDown>("ud12aMonthMonth1")->isEnabled());
    QVERIFY(!p.find<QLineEdit>("txt12aHourDay1")->isEnabled());
    QVERIFY(!p.find<UpDown>("ud12aHourDay1")->isEnabled());
    QVERIFY(p.find<QRadioButton>("opt12aMonth")->font().bold());
    QVERIFY(!p.find<QRadioButton>("opt12aHour")->font().bold());
    p.find<QRadioButton>("opt12aHour")->click();
    QCOMPARE(p.find<QLineEdit>("txt12aHourDay1")->text(), QString("17"));
  }

  void upDownsStepWithinTheirRanges() {
    AnalysisPage p;
    auto* month = p.find<UpDown>("ud12aHourMonth2");
    month->stepUp();
    QCOMPARE(p.find<QLineEdit>("txt12aHourMonth2")->text(), QString("12"));
    month->stepDown();
    QCOMPARE(p.find<QLineEdit>("txt12aHourMonth2")->text(), QString("11"));
    auto* hour = p.find<UpDown>("ud12c13");
    hour->stepDown();
    QCOMPARE(p.find<QLineEdit>("txt12c13")->text(), QString("0"));
    p.find<QLineEdit>("txt12c15")->setText("");
    p.find<UpDown>("ud12c15")->stepUp();
    QCOMPARE(p.find<QLineEdit>("txt12c15")->text(), QString("1"));
    QCOMPARE(p.find<UpDown>("ud12c15")->maximum(), 31);
  }

  void selectAndClearButtonsOnlyTick() {
    AnalysisPage p;
    p.tickAll();
    for (const char* name : kOptions) QVERIFY(p.find<QCheckBox>(name)->isChecked());
    for (const char* name : kGuide) QVERIFY(p.find<QCheckBox>(name)->isChecked());
    QVERIFY(p.picture()->blank());
    p.find<QAbstractButton>("cmd12a1DSA")->click();
    for (const char* name : kNeed) QVERIFY(!p.find<QCheckBox>(name)->isChecked());
    QVERIFY(p.find<QCheckBox>("chk12aRC")->isChecked());
    p.find<QAbstractButton>("cmd12aDeselectAll")->click();
    for (const char* name : kOptions) QVERIFY(!p.find<QCheckBox>(name)->isChecked());
  }

  void theGridAloneNeedsNoRegionButTheDataDoes() {
    AnalysisPage p;
    p.tick("chk12aPsychro");
    p.draw();
    QVERIFY(p.sink.empty());
    QVERIFY(!p.picture()->blank());

    p.tick("chk12aDataPlot");
    p.draw();
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(
        QString::fromStdString(p.sink.last().text()),
        QString("건물생체기후도상에 기후데이터 표시, 혹은 분석 결과 및 기후설계 지침별 순위 Tab\r\n"
                "내용 표시를 위한 대상지역이 선택되지 않았습니다.\r\n\r\n"
                "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]"));
    QVERIFY(p.picture()->blank());
    QCOMPARE(p.find<QProgressBar>("prog12aDraw")->value(), 0);
  }

  void aRefusedPeriodLeavesAnEmptyChartAndTab() {
    AnalysisPage p;
    p.loadSeoul();
    p.tickAll();
    p.draw();
    QVERIFY(!p.text("lbl12b5").isEmpty());
    p.find<QRadioButton>("opt12aMonth")->click();
    p.find<QLineEdit>("txt12aMonthMonth2")->setText("13");
    p.draw();
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(p.sink.last().lines.at(1), std::string("[1 <= 월 <= 12 위반]"));
    QVERIFY(p.picture()->blank());
    QCOMPARE(p.text("lbl12b5"), QString());
    QVERIFY(!p.find<QLabel>("lbl12aDBT50")->isVisible());

    p.sink.clear();
    p.find<QLineEdit>("txt12aMonthMonth2")->setText("x");
    p.draw();
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(p.sink.last().title, std::string("에러"));
  }

  void seoulForTheWholeYearAddsUp() {
    AnalysisPage p;
    p.loadSeoul();
    p.tickAll();
    p.draw();
    QVERIFY2(p.sink.empty(), p.sink.empty() ? "" : p.sink.last().text().c_str());
    QCOMPARE(p.page.periodStart(), int16_t{1});
    QCOMPARE(p.page.periodEnd(), int16_t{8760});
    QCOMPARE(p.text("lbl12b1_0"), QString("서울"));
    QCOMPARE(p.text("lbl12b1_1"), QString("기후데이터 추출, 저장 tab 참조"));
    QCOMPARE(p.text("lbl12b1_2"), QString("1월 1일 0시~12월 31일 23시(총 8760시간)"));
    const int missing = number(p.text("lbl12b2_0"));
    const int outside = number(p.text("lbl12b2_1"));
    QCOMPARE(number(p.text("lbl12b2_2")), missing + outside);
    int need = 0;
    for (int i = 0; i < 5; ++i) need += number(p.text(QString("lbl12b3a_%1").arg(i)));
    const int total = number(p.text("lbl12b3a_5"));
    QCOMPARE(need, total);
    QCOMPARE(total + missing + outside, 8760);
    QCOMPARE(p.text("lbl12b3b_5"), QString("100.00"));
    QCOMPARE(p.text("lbl12b3c_5"), QString("-"));
    const auto guide = [&](int i) { return number(p.text(QString("lbl12b4a_%1").arg(i))); };
    const int heating = number(p.text("lbl12b3a_0"));
    QCOMPARE(guide(2), heating);          // 태양열획득: the heating hours
    QCOMPARE(guide(3), total - heating);  // 태양열차단: every hour not heated
    QVERIFY(guide(0) >= heating && guide(0) <= heating + number(p.text("lbl12b3a_1")));
    QVERIFY(guide(1) >= heating && guide(1) <= guide(0));  // 침기차단 within 단열
    QVERIFY(guide(7) + guide(8) <= guide(0) - heating);    // mechanical cooling within 단열
    // The ranks follow the hours.
    int best = 0;
    for (int i = 0; i < 9; ++i) best = std::max(best, guide(i));
    for (int i = 0; i < 9; ++i) {
      if (guide(i) == best) QCOMPARE(p.text(QString("lbl12b4c_%1").arg(i)), QString("1"));
    }
    QVERIFY(!p.text("lbl12b5").isEmpty());
    // The chart: the labels stand, the data and every zone are drawn.
    QVERIFY(p.find<QLabel>("lbl12aRH100")->isVisible());
    QCOMPARE(p.find<QLabel>("lbl12aRH100")->text(), QString("상대습도 100%"));
    std::size_t circles = 0;
    for (const auto& item : p.picture()->drawing().items())
      circles += std::holds_alternative<CircleItem>(item);
    QCOMPARE(circles, std::size_t(8760 - missing - outside));
    QCOMPARE(p.find<QProgressBar>("prog12aDraw")->value(), 0);
  }

  // The pointer over a plotted hour of Seoul reads that hour, its values and
  // its zone in the main window's status bar; off the plot, or on an erased
  // chart, it reads nothing and no box appears.
  void hoveringAPointShowsItsHourAndZoneInTheStatusBar() {
    QMainWindow window;
    window.statusBar()->setObjectName("StatusBar1");  // as the main window has it
    AnalysisPage p;
    window.setCentralWidget(&p.page);
    window.resize(1100, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    p.loadSeoul();
    for (const char* name : {"chk12aPsychro", "chk12aDataPlot", "chk12aBioNeed"}) p.tick(name);
    const char* const fields[] = {"txt12aHourMonth1", "txt12aHourDay1", "txt12aHourHour1",
                                  "txt12aHourMonth2", "txt12aHourDay2", "txt12aHourHour2"};
    const char* const values[] = {"6", "16", "15", "6", "16", "15"};
    for (int i = 0; i < 6; ++i) p.find<QLineEdit>(fields[i])->setText(values[i]);
    p.draw();
    QCOMPARE(p.page.periodStart(), int16_t{4000});

    const HourRecord& hour = p.state.climate().year[4000];
    const PsychroChart& chart = p.page.chart();
    RecordingSink quiet;
    const float ux = chart.GetX_DBT(hour.DBT, quiet);
    const float uy = chart.GetY_AH(hour.AH, quiet);
    const UserScale s = p.picture()->drawing().scale();
    const auto pixelOf = [&](float x, float y) {
      return QPointF((x - s.left) / (s.right - s.left) * p.picture()->width(),
                     (s.top - y) / (s.top - s.bottom) * p.picture()->height());
    };
    const auto hover = [&](QPointF at) {
      QMouseEvent move(QEvent::MouseMove, at, p.picture()->mapToGlobal(at), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(p.picture(), &move);
      return window.statusBar()->currentMessage();
    };
    const int16_t zone = GetZone(hour.DBT, hour.WBT, hour.AH, hour.RH, hour.SpecV, chart);
    const QString needName =
        QString::fromUtf8(kNeedZones[static_cast<std::size_t>(NeedZoneIndex(zone))].name.data());
    // Two pixels beside the point still reads it.
    const QString message = hover(pixelOf(ux, uy) + QPointF(2, 0));
    QVERIFY2(message.startsWith("6월 16일 15시: 건구온도 "), qPrintable(message));
    QVERIFY2(message.contains("요구 죤: " + needName), qPrintable(message));
    QVERIFY(message.contains(" | 건구온도 "));
    // In the margin, nothing.
    QCOMPARE(hover(QPointF(2, 2)), QString());
    QCOMPARE(hover(pixelOf(ux, uy)).left(12), message.left(12));
    p.find<QAbstractButton>("cmd12aErase")->click();
    QCOMPARE(hover(pixelOf(ux, uy)), QString());
    QVERIFY(p.sink.empty());
    window.takeCentralWidget();
  }

  // A legend swatch singles its zone out on the chart with its hours and
  // share; a second click restores the chart as drawn; an analysis row does
  // the same from the other tab.
  void aLegendClickSinglesOutItsZone() {
    AnalysisPage p;
    p.loadSeoul();
    p.tickAll();
    p.draw();
    const Drawing drawn = p.picture()->drawing();
    const auto click = [&](const char* name) {
      QTest::mouseClick(p.find<QWidget>(name), Qt::LeftButton);
    };
    click("shp12aa1");
    QVERIFY(p.page.singledOutZone() == std::optional<std::size_t>(0));
    QCOMPARE(p.text("lbl12aZoneFocus"),
             "난방 필요: " + p.text("lbl12b3a_0") + "시간, " + p.text("lbl12b3b_0") + "%");
    const Drawing& shown = p.picture()->drawing();
    QCOMPARE(shown.items().size(), drawn.items().size());
    int thicker = 0;
    for (std::size_t i = 0; i < drawn.items().size(); ++i) {
      const auto* was = std::get_if<LineItem>(&drawn.items()[i]);
      const auto* now = std::get_if<LineItem>(&shown.items()[i]);
      if (was != nullptr && now != nullptr && now->pen.width > was->pen.width) ++thicker;
    }
    QVERIFY(thicker > 0);
    click("shp12aa1");
    QVERIFY(p.page.singledOutZone() == std::optional<std::size_t>());
    QCOMPARE(p.text("lbl12aZoneFocus"), QString());
    QVERIFY(p.picture()->drawing().items() == drawn.items());

    p.find<QTabWidget>("tab12")->setCurrentIndex(1);
    QTest::mouseClick(p.find<QLabel>("lbl12b42"), Qt::LeftButton);
    QVERIFY(p.page.singledOutZone() == std::optional<std::size_t>(7));
    QCOMPARE(p.find<QTabWidget>("tab12")->currentIndex(), 0);
    QVERIFY(p.text("lbl12aZoneFocus").startsWith("태양열획득: " + p.text("lbl12b4a_2") + "시간"));
    // Erasing drops the singled-out zone with the chart.
    p.find<QAbstractButton>("cmd12aErase")->click();
    QVERIFY(p.page.singledOutZone() == std::optional<std::size_t>());
  }

  void uncheckingBoxesEmptiesTheirPartOnTheNextDrawing() {
    AnalysisPage p;
    p.loadSeoul();
    p.tickAll();
    p.draw();
    p.tick("chk12aResult", false);
    p.tick("chk12aLabel", false);
    p.draw();
    QCOMPARE(p.text("lbl12b3a_5"), QString());
    QCOMPARE(p.text("lbl12b1_0"), QString());
    for (const char* name : {"lbl12aDBT_20", "lbl12aAH3", "lbl12aAH", "lbl12aRH20"}) {
      QVERIFY2(!p.find<QLabel>(name)->isVisible(), name);
    }
    QVERIFY(!p.picture()->blank());
  }

  void eraseEmptiesChartLabelsAndTab() {
    AnalysisPage p;
    p.loadSeoul();
    p.tickAll();
    p.draw();
    p.find<QAbstractButton>("cmd12aErase")->click();
    QVERIFY(p.picture()->blank());
    QVERIFY(!p.find<QLabel>("lbl12aDBT0")->isVisible());
    QCOMPARE(p.text("lbl12b5"), QString());
    QCOMPARE(p.text("lbl12b4a_0"), QString());
  }

  void aPrintedChartIsClearedThroughItsPersistentImage() {
    AnalysisPage p;
    p.tick("chk12aPsychro");
    p.draw();
    p.page.keepDrawingsForPrint();
    QVERIFY(p.state.printFlags().BioChartPrinted);
    QVERIFY(p.picture()->hasPersistentImage());
    p.find<QAbstractButton>("cmd12aErase")->click();
    QVERIFY(p.picture()->blank());
    QVERIFY(!p.picture()->hasPersistentImage());
  }

  void labelsKeepTheirPlaceWhenThePictureGrows() {
    AnalysisPage p;
    p.tick("chk12aPsychro");
    p.tick("chk12aLabel");
    p.draw();
    const auto relative = [&](const char* name) {
      const QLabel* l = p.find<QLabel>(name);
      const QRect g = l->geometry();
      return QPointF((g.center().x()) / double(p.picture()->width()),
                     g.top() / double(p.picture()->height()));
    };
    // −20 °C sits at the left edge of the plot area, 10 % in.
    QVERIFY(std::abs(relative("lbl12aDBT_20").x() - 0.1) < 0.01);
    QVERIFY(std::abs(relative("lbl12aDBT50").x() - 0.9) < 0.01);
    p.page.resize(1500, 1000);
    QCoreApplication::processEvents();
    QVERIFY(std::abs(relative("lbl12aDBT_20").x() - 0.1) < 0.01);
    QVERIFY(std::abs(relative("lbl12aDBT50").x() - 0.9) < 0.01);
    QVERIFY(relative("lbl12aDBT0").y() > 0.9);
  }

  void extractionChecksThenSavesThroughTheDialog() {
    AnalysisPage p;
    std::optional<FileDialogRequest> asked;
    std::optional<QString> answer;
    p.page.setSaveFileDialog([&](QWidget*, const FileDialogRequest& r) {
      asked = r;
      return answer;
    });
    p.find<QAbstractButton>("cmd12cSave")->click();
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(p.sink.last().text()),
             QString("기후데이터 추출, 저장을 위한 대상지역이 선택되지 않았습니다.\r\n\r\n"
                     "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]"));
    QVERIFY(!asked);

    p.loadSeoul();
    p.find<QLineEdit>("txt12c13")->setText("");
    p.find<QAbstractButton>("cmd12cSave")->click();
    QCOMPARE(p.sink.last().lines.at(0),
             std::string("기후데이터 추출, 저장을 위한 대상기간에 공란이 있습니다."));
    p.find<QLineEdit>("txt12c13")->setText("zz");
    p.find<QAbstractButton>("cmd12cSave")->click();
    QCOMPARE(p.sink.last().title, std::string("에러"));
    QVERIFY(!asked);

    // Cancel: nothing written, nothing said.
    p.sink.clear();
    p.find<QLineEdit>("txt12c13")->setText("0");
    p.find<QLineEdit>("txt12c11")->setText("05");
    p.find<QLineEdit>("txt12c14")->setText("5");
    p.find<QLineEdit>("txt12c15")->setText("1");
    p.find<QAbstractButton>("cmd12cSave")->click();
    QVERIFY(asked);
    QCOMPARE(asked->title, QString("기후데이터 추출후 저장할 파일명"));
    QCOMPARE(asked->directory, p.dir.path());
    QCOMPARE(asked->filter, QString("모든 파일(*.*)"));
    // The region and period as the proposed name; a name typed bare becomes .txt.
    QCOMPARE(asked->fileName, QString("서울_5월1일0시-5월1일23시.txt"));
    QCOMPARE(asked->suffix, QString("txt"));
    QCOMPARE(asked->purpose, QString("Report"));
    QVERIFY(p.sink.empty());

    // A folder that does not exist: no box, no file, the label restored.
    answer = p.dir.filePath("missing/report.txt");
    p.find<QAbstractButton>("cmd12cSave")->click();
    QVERIFY(p.sink.empty());
    QVERIFY(!QFile::exists(*answer));
    QCOMPARE(p.text("lbl12cProg"), QString());

    answer = p.dir.filePath("report.txt");
    p.find<QAbstractButton>("cmd12cSave")->click();
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(p.sink.last(), infoMessage({"기후데이터 추출, 저장이 완료되었습니다."}));
    QCOMPARE(p.text("lbl12cProg"), QString());
    QFile file(*answer);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString report = QString::fromStdString(fromCp949(file.readAll().toStdString()));
    QCOMPARE(report.count("\r\n"), 18 + 24);
    QVERIFY(report.contains("(3) 대상기간 :  5월 1일 0시 ~  5월 1일 23시\r\n"));
    // The extraction period is its own: the chart's period is untouched.
    QCOMPARE(p.page.periodStart(), int16_t{0});
  }
};

QTEST_MAIN(Frm12Test)
#include "test_frm12.moc"
