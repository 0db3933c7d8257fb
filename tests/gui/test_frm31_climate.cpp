// The loaded year on the sun-path page: the climate boxes and the performance
// frame out of use, with the reason, until a year with a site is loaded; the
// year's hours on the diagram of its site, whatever the city box says; the
// mask's summary naming that site; the shade's performance filled when the
// mask is drawn, whether or not the hours are shown.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "core/climate/site_rules.h"
#include "core/psychro/psychro_chart.h"
#include "core/report/shade_table.h"
#include "core/solar/climate_overlay.h"
#include "core/solar/radiation_site.h"
#include "gui/app_state.h"
#include "gui/pages/frm31.h"
#include "gui/pages/result_grid.h"
#include "render/picture_box.h"

using namespace vlm;

namespace {

enum class Year { None, WithoutSite, WithSite };

struct ClimatePage {
  ClimatePage() : state(VLM_PROGRAM_DIR, sink), page(state, nullptr) {}

  template <class T>
  T* find(const QString& name) const {
    T* widget = page.findChild<T*>(name);
    if (widget == nullptr) qFatal("no widget %s", qPrintable(name));
    return widget;
  }
  void press(const QString& name) const { find<QAbstractButton>(name)->click(); }
  void load(Year year) {
    if (year == Year::None) return;
    SilentSink quiet;
    QVERIFY(LoadClimateYear(state.climate(), builtInChoice(*regionByStem("seoul"), VLM_PROGRAM_DIR),
                            state.psychro(), quiet));
    if (year == Year::WithoutSite) state.climate().site.reset();
    page.setRegion("서울", QString::fromStdString(state.climate().sourcePath()));
  }
  // A horizontal shade of angle v on a facade of azimuth s, drawn on tab 2.
  void drawOverhang(const QString& v, const QString& s) {
    QTabWidget* tabs = find<QTabWidget>("tab31");
    tabs->setCurrentIndex(1);
    find<QRadioButton>("opt31SMinputH")->click();
    find<QLineEdit>("txt31SMinputHv")->setText(v);
    find<QLineEdit>("txt31SMinputHs")->setText(s);
    tabs->setCurrentIndex(2);
    press("cmd31SMDraw");
  }
  QString text(const QString& label) const { return find<QLabel>(label)->text(); }
  ResultGrid* table() const { return find<ResultGrid>("grd31SMPerformance"); }
  // The dots of the year's hours on a picture.
  int climateDots(const QString& picture) const {
    int n = 0;
    for (const DrawItem& item : find<PictureBox>(picture)->drawing().items())
      if (const auto* dot = std::get_if<DotItem>(&item))
        n += dot->pen.color == kWantedSunColor || dot->pen.color == kUnwantedSunColor;
    return n;
  }

  RecordingSink sink;
  AppState state;
  Frm31 page;
};

// What the core makes of Seoul's year for a horizontal shade on a facade, as
// the grid copies it (its corner empty).
TextTable seoulPerformance(const ClimateData& climate, float v, float s) {
  SilentSink quiet;
  const auto hours =
      WishedHours(climate, SunWishes(climate, PsychroChart{}), *SolarSiteOf(climate, quiet));
  TextTable table = ShadePerformanceTable(
      PerformanceOf(FacadeHours(hours, s), Shade::Of(kShadeHorizontal, ShadeAngles{v, 0, 0, s})));
  table.rows[0][0].clear();
  return table;
}

}  // namespace

class Frm31ClimateTest : public QObject {
  Q_OBJECT

 private slots:
  void theClimateChoicesAreInUseOnlyWithASite() {
    const QString noRegion = QStringLiteral(
        "불러온 기후자료가 없습니다. 지역선택 메뉴에서 대상지역을 불러오면 사용할 수 있습니다.");
    const QString noSite = QStringLiteral(
        "불러온 기후자료의 위치(위도, 경도, 표준시)를 알 수 없습니다. 지역선택 메뉴에서 위치를 "
        "고르거나 입력한 후 다시 불러오면 사용할 수 있습니다.");
    const QString boxTip = QStringLiteral(
        "불러온 기후자료의 낮 시간을 태양 위치에 점으로 표시하고, 그 위치의 위도로 그립니다.");
    const QString frameTip = QStringLiteral(
        "음영마스크를 그리면 불러온 기후자료의 한 해 동안 차양이 막고 들이는 직달일사를 "
        "계산합니다.");
    const struct {
      Year year;
      QString boxTip, frameTip;
    } cases[] = {{Year::None, noRegion, noRegion},
                 {Year::WithoutSite, noSite, noSite},
                 {Year::WithSite, boxTip, frameTip}};
    for (const auto& c : cases) {
      ClimatePage p;
      p.load(c.year);
      const bool inUse = c.year == Year::WithSite;
      for (const char* name : {"chk31Climate", "chk31SMClimate"}) {
        QCOMPARE(p.find<QCheckBox>(name)->text(), QString("기후자료 표시"));
        QCOMPARE(p.find<QCheckBox>(name)->isEnabled(), inUse);
        QCOMPARE(p.find<QCheckBox>(name)->toolTip(), c.boxTip);
      }
      auto* frame = p.find<QGroupBox>("fra31SMPerformance");
      QCOMPARE(frame->title(), QString("차양 성능"));
      QCOMPARE(frame->isEnabled(), inUse);
      QCOMPARE(frame->toolTip(), c.frameTip);
      // The mask itself is drawn as ever; only the performance waits for a site.
      p.drawOverhang("45", "0");
      QVERIFY(p.sink.empty());
      QVERIFY(!p.find<PictureBox>("pic31SM")->blank());
      QCOMPARE(p.table()->blank(), !inUse);
      QCOMPARE(p.climateDots("pic31SM"), 0);
    }
  }

  void theYearsHoursAreDrawnForItsSite() {
    ClimatePage p;
    p.load(Year::WithSite);
    auto* city = p.find<QComboBox>("cbo31SchartCity");
    city->setCurrentIndex(city->findText("부산"));
    p.find<QCheckBox>("chk31Climate")->setChecked(true);
    p.press("cmd31SchartDraw");
    QVERIFY(p.sink.empty());
    const Site& site = *p.state.climate().site;
    QCOMPARE(p.text("lbl31SchartSite"), "기후자료 위치: 서울 (" +
                                            QString::fromStdString(site.name) + ")\n" +
                                            QString::fromStdString(siteText(site)));
    QVERIFY(p.page.currentFigure()->caption.find("37.5714") != std::string::npos);
    QVERIFY(p.climateDots("pic31Schart") > 2000);
    // Unticked, the page is as it always was: Busan's diagram without the hours.
    p.find<QCheckBox>("chk31Climate")->setChecked(false);
    p.press("cmd31SchartDraw");
    QCOMPARE(p.climateDots("pic31Schart"), 0);
    QCOMPARE(p.text("lbl31SchartSite"), QString());
    QVERIFY(p.page.currentFigure()->caption.find("35.06") != std::string::npos);
  }

  void theMaskNamesTheSiteAndTheFrameShowsThePerformance() {
    ClimatePage p;
    p.load(Year::WithSite);
    p.find<QCheckBox>("chk31SMClimate")->setChecked(true);
    p.drawOverhang("45", "0");
    QVERIFY(p.sink.empty());
    QCOMPARE(p.text("lbl31SMcity"),
             "서울 (" + QString::fromStdString(p.state.climate().site->name) + ")");
    QCOMPARE(p.text("lbl31SMlatitude"), QString("37.5714"));
    QVERIFY(p.climateDots("pic31SM") > 2000);
    QVERIFY(!p.find<PictureBox>("pic31SMPerformance")->blank());
    const TextTable expected = seoulPerformance(p.state.climate(), 45, 0);
    QCOMPARE(p.table()->textTable().value(), expected);
    const std::vector<std::string>& year = expected.rows[13];
    QCOMPARE(p.text("lbl31SMPerformanceUnwanted"), QString("태양열차단"));
    QCOMPARE(p.text("lbl31SMPerformanceUnwantedHours"),
             QString::fromStdString(year[1] + "시간 중 " + year[2] + " % 음영"));
    QCOMPARE(p.text("lbl31SMPerformanceWantedBeam"),
             QString::fromStdString(year[7] + " kWh/m² 중 " + year[8] + " % 투과"));
    QCOMPARE(p.text("lbl31SMPerformanceMissing"),
             "일사 결측 " + QString::fromStdString(year[9]) +
                 "시간: 시간 비율에는 들고 직달일사 비율에서는 빠짐");
    QVERIFY(p.text("lbl31SMPerformanceSuggestion").startsWith("추천 수평차양 수직음영각 "));
    // Unticked: the summary is tab 0's again, the performance the same shade's.
    p.find<QCheckBox>("chk31SMClimate")->setChecked(false);
    p.press("cmd31SMDraw");
    QCOMPARE(p.text("lbl31SMcity"), QString("서울"));
    QCOMPARE(p.text("lbl31SMlatitude"), QString("37.34"));
    QCOMPARE(p.climateDots("pic31SM"), 0);
    QCOMPARE(p.table()->textTable().value(), expected);
    p.press("cmd31SMErase");
    QVERIFY(p.table()->blank());
    QCOMPARE(p.text("lbl31SMPerformanceSuggestion"), QString());
  }
};

QTEST_MAIN(Frm31ClimateTest)
#include "test_frm31_climate.moc"
