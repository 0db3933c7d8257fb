// The comfort parts of three pages: the thermal comfort page's refusals and its
// results for Seoul under each model; the chart tab's PMV outline, absent when
// unticked and refused before drawing for a bad box; the calculator's PMV frame.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <variant>

#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "gui/app_state.h"
#include "gui/pages/frm12.h"
#include "gui/pages/frm16.h"
#include "gui/pages/frm32.h"
#include "gui/pages/result_grid.h"
#include "render/picture_box.h"

using namespace vlm;

namespace {

template <class Page>
struct Fixture {
  Fixture() : state(VLM_PROGRAM_DIR, sink), page(state, nullptr) {
    page.resize(1100, 800);
    page.show();
  }
  template <class T>
  T* find(const QString& name) const {
    T* widget = page.template findChild<T*>(name);
    if (widget == nullptr) qFatal("no widget %s", qPrintable(name));
    return widget;
  }
  void press(const QString& name) const { find<QAbstractButton>(name)->click(); }
  void type(const QString& box, const QString& text) const { find<QLineEdit>(box)->setText(text); }
  void loadSeoul() {
    const auto seoul = regionByStem("seoul");
    SilentSink quiet;
    QVERIFY(LoadClimateYear(state.climate(), builtInChoice(*seoul, state.programDir()),
                            state.psychro(), quiet));
    page.setRegion("서울", QString::fromStdString(state.climate().sourcePath()));
  }
  QString lastText() const {
    return sink.empty() ? QString() : QString::fromStdString(sink.last().text());
  }

  RecordingSink sink;
  AppState state;
  Page page;
};

bool hasOrange(const Drawing& d) {
  for (const DrawItem& item : d.items())
    if (const auto* line = std::get_if<LineItem>(&item))
      if (line->pen.color == Color::rgb(255, 128, 0)) return true;
  return false;
}

}  // namespace

class TestComfortPages : public QObject {
  Q_OBJECT

 private slots:
  void thermalComfortRefusesBeforeComputing_data();
  void thermalComfortRefusesBeforeComputing();
  void thermalComfortCountsEveryHourOfSeoul_data();
  void thermalComfortCountsEveryHourOfSeoul();
  void chartOutlineOnlyWhenTicked();
  void calculatorShowsTheStatesVote();
};

void TestComfortPages::thermalComfortRefusesBeforeComputing_data() {
  QTest::addColumn<bool>("loaded");
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("message");
  QTest::newRow("no region") << false << "" << ""
                             << "열쾌적 분석을 위한 대상지역이 선택되지 않았습니다.\r\n\r\n"
                                "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 "
                                "클릭하세요.]";
  QTest::newRow("met") << true << "txt16Met" << "0.5"
                       << "대사량 입력이 유효하지 않습니다.\r\n\r\n[0.8met <= 대사량 <= 4met]";
  QTest::newRow("clo") << true << "txt16Clo" << "2.5clo"
                       << "착의량 입력이 유효하지 않습니다.\r\n\r\n[0clo <= 착의량 <= 2clo]";
  QTest::newRow("air speed") << true << "txt16AirSpeed" << "1.5"
                             << "기류속도 입력이 유효하지 않습니다.\r\n\r\n[0m/s <= 기류속도 <= 1m/s]";
}

void TestComfortPages::thermalComfortRefusesBeforeComputing() {
  QFETCH(bool, loaded);
  QFETCH(QString, box);
  QFETCH(QString, value);
  QFETCH(QString, message);
  Fixture<Frm16> p;
  if (loaded) p.loadSeoul();
  p.find<QRadioButton>("opt16PMV")->setChecked(true);
  if (!box.isEmpty()) p.type(box, value);
  p.press("cmd16Calc");
  QCOMPARE(p.lastText(), message);
  QVERIFY(p.page.table()->blank());
  QVERIFY(p.page.sharePicture()->blank());
}

void TestComfortPages::thermalComfortCountsEveryHourOfSeoul_data() {
  QTest::addColumn<QString>("option");
  QTest::addColumn<int>("columns");
  QTest::addColumn<bool>("adaptive");
  QTest::newRow("ASHRAE") << "opt16Ashrae" << 6 << true;
  QTest::newRow("EN") << "opt16EN" << 7 << true;
  QTest::newRow("PMV") << "opt16PMV" << 5 << false;
}

// Every hour of each month lies in exactly one column, missing included; the
// year row is the months' sum; a new region empties it all.
void TestComfortPages::thermalComfortCountsEveryHourOfSeoul() {
  QFETCH(QString, option);
  QFETCH(int, columns);
  QFETCH(bool, adaptive);
  Fixture<Frm16> p;
  p.loadSeoul();
  p.find<QRadioButton>(option)->setChecked(true);
  p.press("cmd16Calc");
  QVERIFY(p.sink.empty());
  ResultGrid* t = p.page.table();
  QCOMPARE(t->columnCount(), columns);
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::vector<int> year(static_cast<std::size_t>(columns), 0);
  for (int m = 0; m < 12; ++m) {
    int hours = 0;
    for (int c = 0; c < columns; ++c) {
      hours += t->text(m, c).toInt();
      year[static_cast<std::size_t>(c)] += t->text(m, c).toInt();
    }
    QCOMPARE(hours, kDays[m] * 24);
  }
  for (int c = 0; c < columns; ++c) QCOMPARE(t->text(12, c).toInt(), year[static_cast<std::size_t>(c)]);
  QVERIFY(!p.page.sharePicture()->blank());
  QCOMPARE(!p.page.adaptivePicture()->blank(), adaptive);
  p.page.setRegion("부산", "x");
  QVERIFY(t->blank());
  QVERIFY(p.page.sharePicture()->blank());
}

void TestComfortPages::chartOutlineOnlyWhenTicked() {
  Fixture<Frm12> p;
  p.loadSeoul();
  p.find<QCheckBox>("chk12aPsychro")->setChecked(true);
  p.find<QCheckBox>("chk12aDataPlot")->setChecked(true);
  p.press("cmd12aDraw");
  const Drawing plain = p.find<PictureBox>("pic12aChart")->drawing();
  QVERIFY(!hasOrange(plain));
  QCOMPARE(p.find<QLabel>("lbl12aPMV")->text(), QString());

  p.find<QCheckBox>("chk12aPMV")->setChecked(true);
  p.press("cmd12aDraw");
  const Drawing outlined = p.find<PictureBox>("pic12aChart")->drawing();
  QVERIFY(hasOrange(outlined));
  QVERIFY(outlined.size() > plain.size());
  QVERIFY(p.find<QLabel>("lbl12aPMV")->text().startsWith(
      QStringLiteral("PMV 쾌적범위 (1.1met, 0.5clo, 0.1m/s): ")));

  // A refused box leaves nothing drawn, not a chart without its outline.
  p.sink.clear();
  p.type("txt12aClo", "3");
  p.press("cmd12aDraw");
  QCOMPARE(p.lastText(), QStringLiteral("착의량 입력이 유효하지 않습니다.\r\n\r\n[0clo <= 착의량 <= 2clo]"));
  QVERIFY(p.find<PictureBox>("pic12aChart")->blank());
}

void TestComfortPages::calculatorShowsTheStatesVote() {
  Fixture<Frm32> p;
  struct Case {
    const char* dbt;
    const char* rh;
    double pmv;  // NaN where the state lies outside the air range
    const char* note;
  };
  // 22 °C at 60 %, 1.2 met, 0.5 clo, 0.1 m/s: the standard's table gives −0.75.
  p.type("txt32Met", "1.2");
  const Case cases[] = {{"22", "60", -0.75, ""}, {"35", "40", std::nan(""), "[10°C <= 기온 <= 30°C]"}};
  for (const Case& c : cases) {
    p.find<QCheckBox>("chk32IDryBulb")->setChecked(true);
    p.find<QCheckBox>("chk32IRelHumid")->setChecked(true);
    p.type("txt32IDryBulb", c.dbt);
    p.type("txt32IRelHumid", c.rh);
    p.press("cmd32Calc");
    const QString vote = p.find<QLabel>("lbl32PMV")->text();
    if (std::isnan(c.pmv)) {
      QCOMPARE(vote, QString());
    } else {
      // The calculator's vapour pressure is its own, so the table's rounding.
      QVERIFY2(std::abs(vote.toDouble() - c.pmv) <= 0.015, qPrintable(vote));
    }
    QCOMPARE(p.find<QLabel>("lbl32PMVNote")->text(), QString::fromUtf8(c.note));
  }
}

QTEST_MAIN(TestComfortPages)
#include "test_comfort_pages.moc"
