// The solar radiation page: its refusals (no region, no site, the boxes'
// ranges), Seoul's rose, monthly chart and table with the orientations that
// take the most wanted and unwanted sun named, the sky model's effect, and a new region emptying the page.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "core/solar/radiation_figures.h"
#include "core/solar/radiation_texts.h"
#include "gui/app_state.h"
#include "gui/pages/frm15.h"
#include "gui/pages/result_grid.h"
#include "render/picture_box.h"

using namespace vlm;

namespace {

constexpr int kSouthRow = 17;  // orientation azimuth 0

struct RadiationPage {
  RadiationPage() : state(VLM_PROGRAM_DIR, sink), page(state, nullptr) {}

  template <class T>
  T* find(const QString& name) const {
    T* widget = page.findChild<T*>(name);
    if (widget == nullptr) qFatal("no widget %s", qPrintable(name));
    return widget;
  }
  void press(const QString& name) const { find<QAbstractButton>(name)->click(); }
  void loadSeoul(bool withSite) {
    const auto seoul = regionByStem("seoul");
    SilentSink quiet;
    QVERIFY(LoadClimateYear(state.climate(), builtInChoice(*seoul, state.programDir()),
                            state.psychro(), quiet));
    state.climate().site.reset();
    if (withSite) state.climate().site = Site{"SEOUL", 37.5714, 126.9658, 9};
    page.setRegion("서울", QString::fromStdString(state.climate().sourcePath()));
  }
  QString label(const char* name) const { return find<QLabel>(name)->text(); }
  ResultGrid* table() const { return find<ResultGrid>("grd15Radiation"); }
  QString lastText() const { return QString::fromStdString(sink.last().text()); }

  RecordingSink sink;
  AppState state;
  Frm15 page;
};

}  // namespace

class Frm15Test : public QObject {
  Q_OBJECT

 private slots:
  void drawRefusesWithTheSystemsMessages() {
    const QString noRegion = QStringLiteral(
        "일사 분석을 위한 대상지역이 선택되지 않았습니다.\r\n\r\n"
        "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]");
    const QString noSite = QStringLiteral(
        "기후자료의 위치(위도, 경도, 표준시)를 알 수 없어 계산할 수 없습니다.\r\n"
        "[지역선택 메뉴에서 기타 지역의 위치를 고르거나 직접 입력한 후\r\n"
        "지역선택 확인 버튼을 다시 클릭하세요.\r\n"
        "명령행에서는 --site 위도,경도[,UTC 시차]로 위치를 주십시오.]");
    const struct {
      bool load, site;
      const char* albedo;
      const char* tilt;
      QString text;
    } cases[] = {
        {false, false, "0.2", "90", noRegion},
        {true, false, "0.2", "90", noSite},
        {true, true, "1.2", "90", "0 <= 지면 반사율 <= 1 !"},
        {true, true, "", "90", "0 <= 지면 반사율 <= 1 !"},
        {true, true, "0.2", "91", "0 <= 경사각 <= 90 !"},
        {true, true, "0.2", "수직", "0 <= 경사각 <= 90 !"},
    };
    for (const auto& c : cases) {
      RadiationPage p;
      if (c.load) p.loadSeoul(c.site);
      p.find<QLineEdit>("txt15Albedo")->setText(c.albedo);
      p.find<QLineEdit>("txt15Tilt")->setText(c.tilt);
      p.press("cmd15Draw");
      QCOMPARE(p.sink.size(), std::size_t{1});
      QCOMPARE(QString::fromStdString(p.sink.last().title), QString("에러"));
      QCOMPARE(p.lastText(), c.text);
      QVERIFY(p.find<PictureBox>("pic15Rose")->blank());
      QVERIFY(p.table()->blank());
    }
  }

  void seoulsRoseChartAndTableWithTheOrientationsNamed() {
    RadiationPage p;
    p.loadSeoul(true);
    p.press("cmd15Draw");
    QVERIFY2(p.sink.empty(), p.sink.empty() ? "" : p.sink.last().text().c_str());
    QVERIFY(!p.find<PictureBox>("pic15Rose")->blank());
    QVERIFY(!p.find<PictureBox>("pic15Monthly")->blank());
    // The named orientations are those of the table's largest wanted and unwanted totals.
    const auto largest = [&p](int column) {
      int best = 0;
      for (int r = 1; r < kRadiationOrientations; ++r)
        if (p.table()->text(r, column).toDouble() > p.table()->text(best, column).toDouble())
          best = r;
      return QString::fromStdString(OrientationName(OrientationAzimuth(best)));
    };
    QCOMPARE(p.label("lbl15MostWanted"),
             QString::fromUtf8(kMostWantedLead.data(), kMostWantedLead.size()) + largest(1));
    QCOMPARE(p.label("lbl15MostUnwanted"),
             QString::fromUtf8(kMostUnwantedLead.data(), kMostUnwantedLead.size()) + largest(2));
    QVERIFY(p.label("lbl15Hours").contains("일사 결측: 0"));
    const double south = p.table()->text(kSouthRow, 0).toDouble();
    const double north = p.table()->text(kRadiationOrientations - 1, 0).toDouble();
    QVERIFY(south > 2 * north);
    QVERIFY(p.page.currentFigure().has_value());

    p.find<QComboBox>("cbo15Model")->setCurrentIndex(1);
    p.press("cmd15Draw");
    QVERIFY(p.table()->text(kSouthRow, 0).toDouble() != south);

    p.press("cmd15Erase");
    QVERIFY(p.find<PictureBox>("pic15Rose")->blank());
    QVERIFY(p.table()->blank());
    QVERIFY(p.label("lbl15MostWanted").isEmpty());
  }

  void aNewRegionEmptiesThePage() {
    RadiationPage p;
    p.loadSeoul(true);
    p.press("cmd15Draw");
    QVERIFY(!p.table()->blank());
    p.page.setRegion("부산", "pusan.cly");
    QVERIFY(p.table()->blank());
    QVERIFY(p.find<PictureBox>("pic15Monthly")->blank());
    QVERIFY(!p.page.currentFigure().has_value());
  }
};

QTEST_MAIN(Frm15Test)
#include "test_frm15.moc"
