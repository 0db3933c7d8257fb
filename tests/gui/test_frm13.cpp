// The monthly-climate page: its opening state and texts, the monthly chart drawn
// from the statistics tables with and without numbers, erase, the element
// chosen only at 그리기, copying the chart; the wind rose with its labels in
// their places, number display off, erase, the RosePrinted rule, the refusals,
// and Seoul's rose with labels clear of each other and of the circle.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QValueAxis>
#include <QtTest>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/climate/climate_load.h"
#include "core/climate/climate_stats.h"
#include "core/climate/region_catalog.h"
#include "gui/app_state.h"
#include "gui/export_commands.h"
#include "gui/pages/frm13.h"
#include "gui/pages/rose_tab.h"
#include "render/figure_file.h"
#include "render/monthly_chart.h"
#include "render/picture_box.h"

using namespace vlm;

namespace {

const QString kNoRegion = QStringLiteral(
    "월별 기후표현을 위한 대상지역이 선택되지 않았습니다.\r\n\r\n"
    "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]");

constexpr std::array<int, 13> kMonthEnd = {0,    744,  1416, 2160, 2880, 3624, 4344,
                                           5088, 5832, 6552, 7296, 8016, 8760};

int monthOf(int hour) {
  int m = 1;
  while (hour > kMonthEnd[static_cast<std::size_t>(m)]) ++m;
  return m;
}

// A year of known figures: month m has DBT m − 5 °C, RH 10·m %, radiation
// 10·m cal/cm², wind speed m/4 m/s; January's winds half from the north and half
// calm, February's all missing, the other months from the east.
void fillYear(ClimateData& data) {
  for (int h = 1; h <= kHoursPerYear; ++h) {
    const int m = monthOf(h);
    HourRecord& hour = data.year[static_cast<std::size_t>(h)];
    hour.DBT = static_cast<float>(m - 5);
    hour.RH = static_cast<float>(10 * m);
    hour.Radiation = static_cast<float>(100 * m);
    hour.WindSpeed = static_cast<float>(m) / 4;
    hour.WindDir = h <= 372 ? 360 : h <= 744 ? 0 : m == 2 ? 999 : 90;
  }
  ComputeMonthStats(data);
  CountWindDirs(data);
}

struct GraphPage {
  GraphPage() : state(VLM_PROGRAM_DIR, sink), page(state, nullptr) {}

  template <class T>
  T* find(const QString& name) const {
    T* widget = page.findChild<T*>(name);
    if (widget == nullptr) qFatal("no widget %s", qPrintable(name));
    return widget;
  }
  void press(const QString& name) const { find<QAbstractButton>(name)->click(); }
  void load() {
    fillYear(state.climate());
    state.climate().RegionName = "서울";
    page.setRegion("서울", "/weather/seoul.cly");
  }

  QChartView* chartView() const { return find<QChartView>("chart131"); }
  QChart* chart() const { return chartView()->chart(); }
  QBarSeries* bars() const {
    const auto list = chart()->series();
    return list.isEmpty() ? nullptr : qobject_cast<QBarSeries*>(list.first());
  }
  QStringList categories() const {
    const auto axes = chart()->axes(Qt::Horizontal);
    auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis*>(axes.first());
    return axis != nullptr ? axis->categories() : QStringList();
  }
  QString valueAxisTitle() const {
    const auto axes = chart()->axes(Qt::Vertical);
    return axes.isEmpty() ? QString() : axes.first()->titleText();
  }

  PictureBox* rose() const { return find<PictureBox>("pic132"); }
  QLabel* roseLabel(const QString& name) const { return find<QLabel>(name); }
  QList<QLabel*> directionLabels() const {
    QList<QLabel*> list;
    for (int i = 0; i <= 16; ++i) list << roseLabel(QString("lbl132WS_%1").arg(i));
    return list;
  }
  QList<QLabel*> ringLabels() const {
    QList<QLabel*> list;
    for (int i = 0; i <= 4; ++i) list << roseLabel(QString("lbl132WS_percent_%1").arg(i));
    return list;
  }
  int shown(const QList<QLabel*>& labels) const {
    int n = 0;
    for (QLabel* l : labels) n += l->isVisibleTo(rose()) ? 1 : 0;
    return n;
  }
  void drawRose(const QString& option, int item = -1, bool numbers = true) {
    find<QRadioButton>(option)->click();
    if (option == "opt132month") find<QComboBox>("cbo132month")->setCurrentIndex(item);
    if (option == "opt132season") find<QComboBox>("cbo132season")->setCurrentIndex(item);
    find<QCheckBox>("chk132")->setChecked(numbers);
    press("cmd132Draw");
  }
  QString lastText() const { return QString::fromStdString(sink.last().text()); }

  RecordingSink sink;
  AppState state;
  Frm13 page;
};

bool bold(const QWidget* w) { return w->font().bold(); }

}  // namespace

class Frm13Test : public QObject {
  Q_OBJECT

 private slots:
  void opensWithBothTabsAtTheirStart() {
    GraphPage p;
    QCOMPARE(p.page.objectName(), QString("frm13"));
    QCOMPARE(p.page.windowTitle(), QString("1-월별 기후표현"));
    auto* tabs = p.find<QTabWidget>("tab13");
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QString("건구온도, 상대습도, 일사량, 풍속"));
    QCOMPARE(tabs->tabText(1), QString("풍   향"));

    QVERIFY(p.find<QRadioButton>("opt131DBT")->isChecked());
    QVERIFY(bold(p.find<QRadioButton>("opt131DBT")));
    QVERIFY(!bold(p.find<QRadioButton>("opt131RH")));
    QVERIFY(!p.chartView()->isVisibleTo(&p.page));

    QVERIFY(p.find<QRadioButton>("opt132month")->isChecked());
    QVERIFY(p.find<QComboBox>("cbo132month")->isEnabled());
    QVERIFY(!p.find<QComboBox>("cbo132season")->isEnabled());
    QCOMPARE(p.find<QComboBox>("cbo132month")->count(), 12);
    QCOMPARE(p.find<QComboBox>("cbo132month")->currentText(), QString("1월"));
    QCOMPARE(p.find<QComboBox>("cbo132month")->itemText(11), QString("12월"));
    const QStringList seasons = {"봄", "여름", "가을", "겨울"};
    for (int i = 0; i < 4; ++i)
      QCOMPARE(p.find<QComboBox>("cbo132season")->itemText(i), seasons[i]);
    QCOMPARE(p.find<QComboBox>("cbo132season")->currentIndex(), 0);
    QCOMPARE(p.shown(p.directionLabels()), 0);
    QCOMPARE(p.shown(p.ringLabels()), 0);
    QVERIFY(!p.roseLabel("lbl132WS_miss")->isVisibleTo(p.rose()));
    QVERIFY(!p.roseLabel("lbl132WS_legend")->isVisibleTo(p.rose()));
    QCOMPARE(p.roseLabel("lbl132WS_title")->text(), QString());
    QVERIFY(p.rose()->blank());
  }

  void captionsAndTooltips() {
    GraphPage p;
    struct Row {
      const char* name;
      const char* caption;
      const char* tip;
    };
    const QString periodTip = "원하는 시기를 선택하세요.";
    const Row rows[] = {
        {"opt131DBT", "건구온도", "원하는 항목을 선택하세요."},
        {"opt131RH", "상대습도", "원하는 항목을 선택하세요."},
        {"opt131RAD", "일사량", "원하는 항목을 선택하세요."},
        {"opt131WS", "풍속", "원하는 항목을 선택하세요."},
        {"chk131a", "데이터 숫자 표시", "그래프상에 데이터 숫자 표시 여부를 선택합니다."},
        {"cmd131Draw", "그리기", "그래프를 그립니다."},
        {"cmd131Erase", "지우기", "그래프를 지웁니다."},
        {"opt132month", "월별", "원하는 시기를 선택하세요."},
        {"opt132season", "계절별", "원하는 시기를 선택하세요."},
        {"opt132year", "년간", "원하는 시기를 선택하세요."},
        {"chk132", "데이터 숫자 표시", "그래프상에 데이터 숫자 표시 여부를 선택합니다."},
        {"cmd132Draw", "그리기", "그래프를 그립니다."},
        {"cmd132Erase", "지우기", "그래프를 지웁니다."},
    };
    for (const Row& row : rows) {
      auto* b = p.find<QAbstractButton>(row.name);
      QCOMPARE(b->text(), QString(row.caption));
      QCOMPARE(b->toolTip(), QString(row.tip));
    }
    QCOMPARE(p.find<QComboBox>("cbo132month")->toolTip(), periodTip);
    QCOMPARE(p.find<QComboBox>("cbo132season")->toolTip(), periodTip);
    QCOMPARE(
        p.chartView()->toolTip(),
        QString("복사:그래프 선택후 Ctrl-C, 붙여넣기:편집메뉴의 선택하여 붙여넣기에서 항목 선택"));
    QCOMPARE(p.find<QGroupBox>("fra131")->title(), QString("정보요약"));
    QCOMPARE(p.find<QGroupBox>("fra132")->title(), QString("정보요약"));
    const Row labels[] = {
        {"lbl131a", "대상지역 :", ""}, {"lbl131b", "기후파일 :", ""}, {"lbl131c", "대상요소 :", ""},
        {"lbl132a", "대상지역 :", ""}, {"lbl132b", "기후파일 :", ""}, {"lbl132c", "대상기간 :", ""},
    };
    for (const Row& row : labels) QCOMPARE(p.find<QLabel>(row.name)->text(), QString(row.caption));

    p.page.setRegion("부산", "/work/pusan.cly");
    QCOMPARE(p.find<QLabel>("lbl131d")->text(), QString("부산"));
    QCOMPARE(p.find<QLabel>("lbl132d")->text(), QString("부산"));
    QCOMPARE(p.find<QLabel>("lbl131e")->text(), QString("/work/pusan.cly"));
    QCOMPARE(p.find<QLabel>("lbl132e")->text(), QString("/work/pusan.cly"));
  }

  void drawingBeforeAnyRegionIsRefused() {
    GraphPage p;
    p.press("cmd131Draw");
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(p.sink.last().title), QString("에러"));
    QCOMPARE(p.lastText(), kNoRegion);
    QVERIFY(!p.chartView()->isVisibleTo(&p.page));

    p.press("cmd132Draw");
    QCOMPARE(p.sink.size(), std::size_t{2});
    QCOMPARE(p.lastText(), kNoRegion);
    QVERIFY(p.rose()->blank());
    QCOMPARE(p.shown(p.ringLabels()), 0);
  }

  void monthlyChartShowsTheTableWithNumbersAndWithout() {
    GraphPage p;
    p.load();
    p.find<QRadioButton>("opt131RH")->click();
    p.find<QCheckBox>("chk131a")->setChecked(true);
    p.press("cmd131Draw");
    QVERIFY(p.sink.empty());
    QVERIFY(p.chartView()->isVisibleTo(&p.page));
    QCOMPARE(p.chart()->title(), QString("서울 지역 상대습도, 단위 : %"));
    QCOMPARE(p.valueAxisTitle(), QString("상대습도"));
    const QStringList categories = p.categories();
    QCOMPARE(categories.size(), 13);
    QCOMPARE(categories.first(), QString("1월"));
    QCOMPARE(categories[11], QString("12월"));
    QCOMPARE(categories.last(), QString("년간"));
    QBarSeries* series = p.bars();
    QVERIFY(series != nullptr);
    QCOMPARE(series->count(), 3);
    QCOMPARE(series->barSets()[0]->label(), QString("최대값"));
    QCOMPARE(series->barSets()[1]->label(), QString("평균"));
    QCOMPARE(series->barSets()[2]->label(), QString("최소값"));
    QCOMPARE(series->barSets()[1]->at(2), 30.0);
    QCOMPARE(series->barSets()[0]->at(12), 120.0);
    const QStringList labels = render::monthlyValueLabels(*p.chart());
    QCOMPARE(labels.size(), 39);
    QVERIFY(labels.contains("30.0"));
    QVERIFY(labels.contains("120.0"));

    p.find<QCheckBox>("chk131a")->setChecked(false);
    p.press("cmd131Draw");
    QVERIFY(render::monthlyValueLabels(*p.chart()).isEmpty());
    QCOMPARE(p.bars()->barSets()[1]->at(2), 30.0);
  }

  void anotherElementWaitsForDrawAndEraseOnlyHides() {
    GraphPage p;
    p.load();
    p.press("cmd131Draw");
    QCOMPARE(p.chart()->title(), QString("서울 지역 건구온도, 단위 : ℃"));
    auto* ws = p.find<QRadioButton>("opt131WS");
    ws->click();
    QVERIFY(bold(ws));
    QVERIFY(!bold(p.find<QRadioButton>("opt131DBT")));
    QCOMPARE(p.chart()->title(), QString("서울 지역 건구온도, 단위 : ℃"));
    QCOMPARE(p.valueAxisTitle(), QString("건구온도"));

    p.press("cmd131Erase");
    QVERIFY(!p.chartView()->isVisibleTo(&p.page));
    QCOMPARE(p.chart()->title(), QString("서울 지역 건구온도, 단위 : ℃"));
    p.press("cmd131Draw");
    QVERIFY(p.chartView()->isVisibleTo(&p.page));
    QCOMPARE(p.chart()->title(), QString("서울 지역 풍속, 단위 : m/s"));
    QCOMPARE(p.valueAxisTitle(), QString("풍속"));
  }

  void aMonthWithoutValidHourShowsNoBarAndNoLabel() {
    GraphPage p;
    p.load();
    for (int h = 745; h <= 1416; ++h)
      p.state.climate().year[static_cast<std::size_t>(h)].DBT = kMissing;
    ComputeMonthStats(p.state.climate());
    p.find<QCheckBox>("chk131a")->setChecked(true);
    p.press("cmd131Draw");
    QVERIFY(p.sink.empty());
    for (QBarSet* set : p.bars()->barSets()) QCOMPARE(set->at(1), 0.0);
    // Twelve categories with three values each; February has none.
    QCOMPARE(render::monthlyValueLabels(*p.chart()).size(), 36);
  }

  void ctrlCCopiesTheChartPicture() {
    GraphPage p;
    p.load();
    p.press("cmd131Draw");
    QApplication::clipboard()->clear();
    // Ctrl+C is the chart's copy command: the picture with its caption line under it.
    QAction* copy = nullptr;
    for (QAction* action : p.chartView()->actions())
      if (action->shortcut() == QKeySequence(QKeySequence::Copy)) copy = action;
    QVERIFY(copy != nullptr);
    ExportCommands::of(&p.page)->refresh();
    copy->trigger();
    const QImage copied = QApplication::clipboard()->image();
    QVERIFY(!copied.isNull());
    const QSize expected =
        (QSizeF(p.chartView()->size()) + QSizeF(0, render::kCaptionStripHeight)).toSize() *
        render::kPngScale;
    QCOMPARE(copied.size(), expected);
  }

  void roseShowsTheMonthWithItsLabelsInPlace() {
    GraphPage p;
    p.load();
    p.drawRose("opt132month", 0);
    QVERIFY(p.sink.empty());
    QCOMPARE(p.roseLabel("lbl132WS_title")->text(), QString("서울 지역 1월 풍향"));
    QCOMPARE(p.shown(p.directionLabels()), 17);
    QCOMPARE(p.shown(p.ringLabels()), 5);
    QLabel* north = p.roseLabel("lbl132WS_16");
    QCOMPARE(north->text(), QString("북(372/50.0) "));
    QCOMPARE(p.roseLabel("lbl132WS_1")->text(), QString(" 북북동(0/0.0)"));
    QCOMPARE(p.roseLabel("lbl132WS_0")->text(), QString("   무풍\r\n(372/50.0)"));
    QCOMPARE(p.roseLabel("lbl132WS_miss")->text(), QString("[결측시간수/총시간수 : 0/744]"));
    QCOMPARE(p.roseLabel("lbl132WS_legend")->text(), QString("[라벨설명 : 풍향(시간수/비율%)]"));
    QVERIFY(p.roseLabel("lbl132WS_miss")->isVisibleTo(p.rose()));
    QVERIFY(p.roseLabel("lbl132WS_legend")->isVisibleTo(p.rose()));
    const QStringList rings = {"10", "20", "30", "40", "50%"};
    for (int i = 0; i < 5; ++i) QCOMPARE(p.ringLabels()[i]->text(), rings[i]);

    // The north bar ends on the outer circle; the north label sits centred above it.
    const RoseGeometry& g = p.page.roseTab()->view().geometry();
    const QSize size = p.rose()->size();
    QCOMPARE(size, QSize(static_cast<int>(g.width), static_cast<int>(g.height)));
    const auto* bar = std::get_if<LineItem>(&p.rose()->drawing().items().back());
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->pen.width, 2.0f);
    QCOMPARE(bar->y2, g.cy + g.R);
    const QRect n = north->geometry();
    const double topOfCircle = g.height - (g.cy + g.R);  // in widget pixels, y down
    QVERIFY(std::abs(n.center().x() - g.cx) <= 1);
    QVERIFY(n.bottom() < topOfCircle);
    QVERIFY(std::abs((topOfCircle - n.height() * 0.2) - (n.bottom() + 1)) <= 1.5);
    // The east label hangs below the end of its spoke, starting at the circle.
    const QRect e = p.roseLabel("lbl132WS_4")->geometry();
    QVERIFY(std::abs(e.left() - (g.cx + g.R)) <= 1);
    QVERIFY(std::abs(e.top() - (g.height - g.cy)) <= 1);
  }

  void numbersOffShowRingsOnlyAndEraseHidesEverything() {
    GraphPage p;
    p.load();
    p.drawRose("opt132month", 0, true);
    p.drawRose("opt132year", -1, false);
    QCOMPARE(p.roseLabel("lbl132WS_title")->text(), QString("서울 지역  년간 풍향"));
    QCOMPARE(p.shown(p.directionLabels()), 0);
    QCOMPARE(p.shown(p.ringLabels()), 5);
    QVERIFY(!p.roseLabel("lbl132WS_miss")->isVisibleTo(p.rose()));
    QVERIFY(!p.roseLabel("lbl132WS_legend")->isVisibleTo(p.rose()));
    QVERIFY(!p.rose()->blank());

    p.press("cmd132Erase");
    QCOMPARE(p.roseLabel("lbl132WS_title")->text(), QString());
    QCOMPARE(p.shown(p.directionLabels()), 0);
    QCOMPARE(p.shown(p.ringLabels()), 0);
    QVERIFY(!p.roseLabel("lbl132WS_miss")->isVisibleTo(p.rose()));
    QVERIFY(!p.roseLabel("lbl132WS_legend")->isVisibleTo(p.rose()));
    QVERIFY(p.rose()->blank());
  }

  void periodOptionsSwitchTheListsAndTheBoldCaption() {
    GraphPage p;
    auto* month = p.find<QRadioButton>("opt132month");
    auto* season = p.find<QRadioButton>("opt132season");
    auto* year = p.find<QRadioButton>("opt132year");
    auto* months = p.find<QComboBox>("cbo132month");
    auto* seasons = p.find<QComboBox>("cbo132season");
    season->click();
    QVERIFY(!months->isEnabled() && seasons->isEnabled());
    QVERIFY(bold(season) && !bold(month) && !bold(year));
    year->click();
    QVERIFY(!months->isEnabled() && !seasons->isEnabled());
    QVERIFY(bold(year) && !bold(season));
    month->click();
    QVERIFY(months->isEnabled() && !seasons->isEnabled());
    QVERIFY(bold(month) && !bold(year));
  }

  void winterAndTheAllMissingMonth() {
    GraphPage p;
    p.load();
    p.drawRose("opt132season", 3);
    QCOMPARE(p.roseLabel("lbl132WS_title")->text(), QString("서울 지역 겨울 풍향"));
    // January 744 (372 north, 372 calm), February 672 missing, December 744 from the east.
    QCOMPARE(p.roseLabel("lbl132WS_miss")->text(), QString("[결측시간수/총시간수 : 672/2160]"));
    QCOMPARE(p.roseLabel("lbl132WS_16")->text(), QString("북(372/25.0) "));
    QCOMPARE(p.roseLabel("lbl132WS_4")->text(), QString(" 동(744/50.0)"));
    const Drawing before = p.rose()->drawing();

    p.drawRose("opt132month", 1);
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(p.sink.last().title), QString("에러"));
    QCOMPARE(p.lastText(), QString("대상기간의 풍향 데이터가 모두 결측입니다."));
    // Nothing was cleared: the winter rose stays as it was.
    QCOMPARE(p.roseLabel("lbl132WS_title")->text(), QString("서울 지역 겨울 풍향"));
    QVERIFY(p.rose()->drawing() == before);
    QCOMPARE(p.shown(p.directionLabels()), 17);
  }

  void aPrintedRoseIsClearedByEmptyingItsPersistentImage() {
    GraphPage p;
    p.load();
    p.drawRose("opt132month", 0);
    p.page.keepDrawingsForPrint();
    QVERIFY(p.state.printFlags().RosePrinted);
    QVERIFY(p.rose()->hasPersistentImage());
    QVERIFY(p.rose()->drawing().empty());

    p.drawRose("opt132month", 2);
    QVERIFY(!p.rose()->hasPersistentImage());
    QVERIFY(p.rose()->persistentImage().empty());
    QVERIFY(!p.rose()->drawing().empty());
    QCOMPARE(p.roseLabel("lbl132WS_title")->text(), QString("서울 지역 3월 풍향"));

    p.page.keepDrawingsForPrint();
    p.press("cmd132Erase");
    QVERIFY(p.rose()->blank());
    QVERIFY(!p.rose()->hasPersistentImage());
  }

  void seoulsRoseLabelsStayClearOfEachOtherAndOfTheCircle() {
    const std::string path = std::string(VLM_PROGRAM_DIR) + "/weather/seoul.cly";
    if (!QFile::exists(QString::fromStdString(path)))
      QSKIP("seoul.cly is not in the program folder");
    GraphPage p;
    Psychrometrics psychro;
    const auto region = regionByStem("seoul");
    QVERIFY(region.has_value());
    QVERIFY(LoadClimateYear(p.state.climate(), builtInChoice(*region, VLM_PROGRAM_DIR), psychro,
                            p.sink));
    p.page.setRegion("서울", QString::fromStdString(path));
    const RoseGeometry& g = p.page.roseTab()->view().geometry();
    for (const QString& option : {QString("opt132year"), QString("opt132month")}) {
      for (int item = 0; item < (option == "opt132month" ? 12 : 1); ++item) {
        p.drawRose(option, item);
        QList<QLabel*> labels = p.directionLabels();
        labels << p.roseLabel("lbl132WS_miss") << p.roseLabel("lbl132WS_legend");
        for (int a = 0; a < labels.size(); ++a) {
          const QRect ra = labels[a]->geometry();
          QVERIFY2(p.rose()->rect().contains(ra), qPrintable(labels[a]->text()));
          for (int b = a + 1; b < labels.size(); ++b) {
            QVERIFY2(!ra.intersects(labels[b]->geometry()),
                     qPrintable(labels[a]->text() + " / " + labels[b]->text()));
          }
        }
        // The direction labels lie wholly outside the outer circle.
        for (int i = 1; i <= 16; ++i) {
          const QRect r = labels[i]->geometry();
          for (const QPoint c : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            const double d = std::hypot(c.x() - g.cx, (g.height - c.y()) - g.cy);
            QVERIFY2(d >= g.R - 2, qPrintable(labels[i]->text()));
          }
        }
        // The calm label fits inside the calm circle.
        const QRect calm = labels[0]->geometry();
        const double half = std::hypot(calm.width() / 2.0, calm.height() / 2.0);
        QVERIFY2(half <= g.r0 + 4, qPrintable(labels[0]->text()));
      }
    }
    QVERIFY(p.sink.size() == 1);  // the load's completion box only
  }
};

QTEST_MAIN(Frm13Test)
#include "test_frm13.moc"
