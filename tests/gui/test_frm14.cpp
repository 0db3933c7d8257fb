// The seasonal-analysis page: its opening state, the refusal of every command
// while no region is loaded, each tab's results for Seoul, the degree-day
// bases' messages, a comparison that never touches the loaded year and shows
// the region page's messages for a refused climate, and a new region emptying
// what the page showed; the three figures saved and copied with their captions.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <variant>

#include "core/analysis/analysis_summary.h"
#include "core/climate/climate_load.h"
#include "core/climate/load_texts.h"
#include "core/climate/region_catalog.h"
#include "core/psychro/psychro_chart.h"
#include "gui/app_state.h"
#include "gui/export_commands.h"
#include "gui/pages/compare_tab.h"
#include "gui/pages/frm14.h"
#include "gui/pages/result_grid.h"
#include "gui/pages/wind_tab.h"
#include "render/figure_file.h"
#include "render/picture_box.h"

using namespace vlm;

namespace {

const QString kNoRegion = QStringLiteral(
    "기후 심화분석을 위한 대상지역이 선택되지 않았습니다.\r\n\r\n"
    "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]");

struct SeasonalPage {
  SeasonalPage() : state(VLM_PROGRAM_DIR, sink), page(state, nullptr) {}

  template <class T>
  T* find(const QString& name) const {
    T* widget = page.findChild<T*>(name);
    if (widget == nullptr) qFatal("no widget %s", qPrintable(name));
    return widget;
  }
  void press(const QString& name) const { find<QAbstractButton>(name)->click(); }
  void loadSeoul() {
    const auto seoul = regionByStem("seoul");
    SilentSink quiet;
    QVERIFY(LoadClimateYear(state.climate(), builtInChoice(*seoul, state.programDir()),
                            state.psychro(), quiet));
    page.setRegion("서울", QString::fromStdString(state.climate().sourcePath()));
  }
  ResultGrid* table(const QString& name) const { return find<ResultGrid>(name); }
  // The page's export commands, which save to `file` instead of asking.
  ExportCommands* exportsTo(const QString& file) const {
    ExportCommands* commands = ExportCommands::of(&page);
    if (commands == nullptr) qFatal("no export commands");
    commands->setSaveFileDialog([file](QWidget*, const FileDialogRequest&) { return file; });
    return commands;
  }
  PictureBox* picture(const QString& name) const { return find<PictureBox>(name); }
  QString lastText() const { return QString::fromStdString(sink.last().text()); }

  RecordingSink sink;
  AppState state;
  Frm14 page;
};

// The widget's context-menu command of that name, nullptr if it has none.
QAction* actionOf(const QWidget* widget, const char* name) {
  for (QAction* a : widget->actions())
    if (a->objectName() == name) return a;
  return nullptr;
}

std::size_t rects(const Drawing& d) {
  std::size_t n = 0;
  for (const DrawItem& item : d.items()) n += std::holds_alternative<RectItem>(item) ? 1 : 0;
  return n;
}

}  // namespace

class Frm14Test : public QObject {
  Q_OBJECT

 private slots:
  void opensWithFourTabsAndEmptyResults() {
    SeasonalPage p;
    QCOMPARE(p.page.windowTitle(), QString("1-기후 심화분석"));
    auto* tabs = p.find<QTabWidget>("tab14");
    QCOMPARE(tabs->count(), 5);
    const QStringList captions{"월별 존 분석", "시간별 분포", "도일", "기후 비교", "바람 분석"};
    for (int i = 0; i < 5; ++i) QCOMPARE(tabs->tabText(i), captions[i]);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(p.find<QLineEdit>("txt14cHeatBase")->text(), QString("18"));
    QCOMPARE(p.find<QLineEdit>("txt14cCoolBase")->text(), QString("24"));
    QVERIFY(p.find<QRadioButton>("opt14bZone")->isChecked());
    QCOMPARE(p.find<QComboBox>("cbo14dRegion")->count(), 14);
    QVERIFY(!p.find<QAbstractButton>("cmd14dChoose")->isEnabled());
    for (const char* name : {"grd14a", "grd14c", "grd14d"}) QVERIFY(p.table(name)->blank());
    for (const char* name : {"pic14aChart", "pic14bCarpet", "pic14dChart"})
      QVERIFY(p.picture(name)->blank());
  }

  void everyCommandRefusesWhileNoRegionIsLoaded() {
    SeasonalPage p;
    for (const char* command : {"cmd14aDraw", "cmd14bDraw", "cmd14cCalc", "cmd14dCompare"}) {
      p.sink.clear();
      p.press(command);
      QCOMPARE(p.sink.size(), std::size_t{1});
      QCOMPARE(QString::fromStdString(p.sink.last().title), QString("에러"));
      QCOMPARE(p.lastText(), kNoRegion);
    }
    QVERIFY(p.table("grd14a")->blank());
    QVERIFY(p.picture("pic14bCarpet")->blank());
  }

  void monthlyZonesShowTheAnalysisOfEachMonthAndTheYear() {
    SeasonalPage p;
    p.loadSeoul();
    p.find<QRadioButton>("opt14aHours")->click();
    p.press("cmd14aDraw");
    QVERIFY(p.sink.empty());
    ResultGrid* t = p.table("grd14a");
    RecordingSink quiet;
    const AnalysisTexts year = ShowAnalysis(p.state.climate(), 1, 8760, PsychroChart{}, quiet);
    QCOMPARE(t->text(2, 12), QString::fromStdString(year.need[0].hours));  // 난방 필요
    QCOMPARE(t->text(7, 12), QString::fromStdString(year.need[5].hours));  // 계
    QCOMPARE(t->text(16, 12), QString::fromStdString(year.guide[8].hours));
    QCOMPARE(t->text(17, 12), QString::fromStdString(year.mostImportant).replace("\r\n", "\n"));
    const AnalysisTexts february =
        ShowAnalysis(p.state.climate(), 745, 1416, PsychroChart{}, quiet);
    QCOMPARE(t->text(7, 1), QString::fromStdString(february.need[5].hours));
    QVERIFY(!p.picture("pic14aChart")->drawing().empty());

    p.find<QRadioButton>("opt14aPercent")->click();
    p.press("cmd14aDraw");
    QCOMPARE(t->text(7, 12), QString("100.00"));
    p.press("cmd14aErase");
    QVERIFY(t->blank());
    QVERIFY(p.picture("pic14aChart")->blank());
  }

  void carpetHasEveryHourAndFollowsTheColouringOption() {
    SeasonalPage p;
    p.loadSeoul();
    p.press("cmd14bDraw");
    const Drawing& byZone = p.picture("pic14bCarpet")->drawing();
    QCOMPARE(rects(byZone), std::size_t{8760 + 6});
    p.find<QRadioButton>("opt14bDBT")->click();
    p.press("cmd14bDraw");
    QVERIFY(p.picture("pic14bCarpet")->drawing().serialize().find("서울 지역 시간별 건구온도") !=
            std::string::npos);
    // A printed carpet is replaced, not painted over.
    p.page.keepDrawingsForPrint();
    p.press("cmd14bDraw");
    QVERIFY(!p.picture("pic14bCarpet")->hasPersistentImage());
    QVERIFY(p.sink.empty());
  }

  void windTabShowsTheVentilationHoursAndRefusesFallingEdges() {
    SeasonalPage p;
    p.press("cmd14eDraw");
    QCOMPARE(p.lastText(), kNoRegion);
    p.loadSeoul();
    p.sink.clear();
    QCOMPARE(p.find<QComboBox>("cbo14eZone")->currentText(), QString("통풍·환기"));
    p.find<QLineEdit>("txt14eClasses")->setText("0.5, 4, 2");
    p.press("cmd14eDraw");
    QCOMPARE(p.lastText(), QString("풍속 등급의 경계값 입력이 유효하지 않습니다.\r\n\r\n"
                                   "[0 m/s 이상의 경계값 1~8개를 작은 것부터 쉼표로 구분하여 "
                                   "입력하세요.]"));
    QVERIFY(p.picture("pic14eWind")->blank());
    p.sink.clear();
    p.find<QLineEdit>("txt14eClasses")->setText("0.5, 3");
    p.press("cmd14eDraw");
    QVERIFY(p.sink.empty());
    ResultGrid* t = p.table("grd14eWind");
    QCOMPARE(t->columnCount(), 4);  // two classes, the share, the mean speed
    QCOMPARE(t->text(17, 2), QString("100.0"));
    QVERIFY(p.find<QLabel>("lbl14ePrevailing")->text().startsWith("주풍향 : "));
    QVERIFY(
        p.picture("pic14eWind")->drawing().serialize().find("서울 지역 바람 분석 (통풍·환기)") !=
        std::string::npos);
    // Only January, where no hour wants ventilation: an empty rose says so, no message.
    for (int m = 1; m < 12; ++m) p.find<QAbstractButton>(QString("chk14eMonth_%1").arg(m))->click();
    p.press("cmd14eDraw");
    QVERIFY(p.sink.empty());
    QVERIFY(p.picture("pic14eWind")
                ->drawing()
                .serialize()
                .find("선택한 조건에 해당하며 바람 데이터가 있는 시간이 없습니다.") !=
            std::string::npos);
    QCOMPARE(p.find<QLabel>("lbl14ePrevailing")->text(),
             QString("주풍향 : 없음 (바람 데이터가 있는 시간이 없습니다)"));
    p.press("cmd14eErase");
    QVERIFY(p.picture("pic14eWind")->blank());
    QVERIFY(t->blank());
  }

  void degreeDayBasesAreCheckedWithTheirMessages() {
    SeasonalPage p;
    p.loadSeoul();
    p.find<QLineEdit>("txt14cHeatBase")->setText("abc");
    p.press("cmd14cCalc");
    QCOMPARE(p.lastText(), QString("난방도일의 기준온도 입력이 유효하지 않습니다.\r\n\r\n"
                                   "[5°C <= 난방 기준온도 <= 30°C]"));
    QVERIFY(p.table("grd14c")->blank());
    p.find<QLineEdit>("txt14cHeatBase")->setText("18°C");
    p.find<QLineEdit>("txt14cCoolBase")->setText("45");
    p.press("cmd14cCalc");
    QCOMPARE(p.lastText(), QString("냉방도일의 기준온도 입력이 유효하지 않습니다.\r\n\r\n"
                                   "[10°C <= 냉방 기준온도 <= 40°C]"));
    p.sink.clear();
    p.find<QLineEdit>("txt14cCoolBase")->setText("24");
    p.press("cmd14cCalc");
    QVERIFY(p.sink.empty());
    ResultGrid* t = p.table("grd14c");
    QVERIFY(t->text(12, 0).toDouble() > 2000.0);  // Seoul's annual HDD18
    QCOMPARE(t->text(0, 1), QString("0.0"));      // no cooling in January
    QCOMPARE(t->text(12, 2), QString("0"));
    QCOMPARE(p.find<QLabel>("lbl14cWarning")->text(), QString());
    QCOMPARE(p.find<QLabel>("lbl14cMethod")->text(),
             QString("[참조] 도일(°C·일) = 유효한 시간의 도시간(°C·시) 합 ÷ 24, 결측 시간은 합에서 "
                     "제외"));
  }

  // A January without a dry bulb is an empty row, not "0.0"; bases out of
  // their usual order are computed with a red line saying so.
  void aMonthWithoutAValidHourIsEmptyAndCrossedBasesAreWarnedOf() {
    SeasonalPage p;
    p.loadSeoul();
    for (int h = 1; h <= 744; ++h) p.state.climate().year[static_cast<std::size_t>(h)].DBT = 999.0f;
    p.find<QLineEdit>("txt14cHeatBase")->setText("25");
    p.find<QLineEdit>("txt14cCoolBase")->setText("20");
    p.press("cmd14cCalc");
    QVERIFY(p.sink.empty());
    ResultGrid* t = p.table("grd14c");
    QCOMPARE(t->text(0, 0), QString());
    QCOMPARE(t->text(0, 1), QString());
    QCOMPARE(t->text(0, 2), QString("744"));
    QVERIFY(!t->text(1, 0).isEmpty());
    QCOMPARE(t->text(12, 2), QString("744"));
    const QLabel* warning = p.find<QLabel>("lbl14cWarning");
    QCOMPARE(warning->text(), QString("난방 기준온도가 냉방 기준온도보다 높습니다. 두 기준온도 "
                                      "사이의 시간은 난방도일과 냉방도일에 함께 더해집니다."));
    QCOMPARE(warning->palette().color(QPalette::WindowText), QColor(Qt::red));
    p.press("cmd14cErase");
    QCOMPARE(warning->text(), QString());
  }

  void comparisonLeavesTheLoadedYearAlone() {
    SeasonalPage p;
    p.loadSeoul();
    const HourRecord firstHour = p.state.climate().year[1];
    const float patm = p.state.psychro().Patm;
    p.find<QComboBox>("cbo14dRegion")->setCurrentText("제주");
    p.press("cmd14dCompare");
    QVERIFY(p.sink.empty());
    ResultGrid* t = p.table("grd14d");
    QCOMPARE(t->horizontalHeaderItem(0)->text(), QString("서울 시간수"));
    QCOMPARE(t->horizontalHeaderItem(3)->text(), QString("제주 시간수"));
    QVERIFY(t->text(0, 3).toInt() < t->text(0, 0).toInt());  // less heating in Jeju
    QCOMPARE(p.find<QLabel>("lbl14dMostBCaption")->text(), QString("제주 :"));
    QVERIFY(!p.find<QLabel>("lbl14dMostB")->text().isEmpty());
    QVERIFY(!p.picture("pic14dChart")->blank());
    QCOMPARE(p.state.climate().RegionName, std::string("서울"));
    QCOMPARE(p.state.climate().year[1], firstHour);
    QCOMPARE(p.state.psychro().Patm, patm);
  }

  void refusedSecondClimateShowsTheRegionPageMessagesAndNoComparison() {
    SeasonalPage p;
    p.loadSeoul();
    p.find<QComboBox>("cbo14dRegion")->setCurrentText("기타");
    QVERIFY(p.find<QAbstractButton>("cmd14dChoose")->isEnabled());
    p.press("cmd14dCompare");
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(p.sink.last(), otherFileMissingMessage());

    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.cly");
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a climate year");
    file.close();
    p.page.compareTab()->setOpenFileDialog(
        [bad](QWidget*, const FileDialogRequest&) { return std::optional<QString>(bad); });
    p.press("cmd14dChoose");
    QCOMPARE(p.find<QLabel>("lbl14dFile")->text(), bad);
    p.sink.clear();
    p.press("cmd14dCompare");
    QCOMPARE(p.sink.size(), std::size_t{2});
    QCOMPARE(QString::fromStdString(p.sink.messages()[0].title), QString("에러"));
    QCOMPARE(p.sink.last(), climateFileAdviceMessage());
    QVERIFY(p.table("grd14d")->blank());
    QVERIFY(p.picture("pic14dChart")->blank());
    QCOMPARE(p.state.climate().RegionName, std::string("서울"));
  }

  // Each figure of the page saves and copies once drawn, with a caption naming
  // the region, the period and the figure; not before, and not on the
  // degree-day tab, which has none.
  void everyFigureSavesAndCopiesWithItsCaption_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("caption");
    QTest::newRow("need shares") << 0 << "pic14aChart"
                                 << "cmd14aDraw"
                                 << "서울 | 1월~12월, 년간 | 월별 생체기후적 요구 죤 비율(%)";
    QTest::newRow("carpet")
        << 1 << "pic14bCarpet"
        << "cmd14bDraw"
        << "서울 | 1월 1일 0시~12월 31일 23시 | 시간별 분포(생체기후적 요구 죤)";
    QTest::newRow("comparison") << 3 << "pic14dChart"
                                << "cmd14dCompare"
                                << "서울 / 제주 | 1월~12월 | 기후 비교(월평균 건구온도, 상대습도)";
  }
  void everyFigureSavesAndCopiesWithItsCaption() {
    QFETCH(int, tab);
    QFETCH(QString, picture);
    QFETCH(QString, command);
    QFETCH(QString, caption);
    SeasonalPage p;
    p.loadSeoul();
    p.find<QComboBox>("cbo14dRegion")->setCurrentText("제주");
    QTemporaryDir dir;
    ExportCommands* commands = p.exportsTo(dir.filePath("figure.png"));
    QAction* save = actionOf(p.picture(picture), "mnuFigureSave");
    QAction* copy = actionOf(p.picture(picture), "mnuFigureCopy");
    QVERIFY(save != nullptr && copy != nullptr);
    QCOMPARE(p.picture(picture)->contextMenuPolicy(), Qt::ActionsContextMenu);
    p.find<QTabWidget>("tab14")->setCurrentIndex(tab);
    commands->refresh();
    QVERIFY(!save->isEnabled());
    QVERIFY(!p.page.currentFigure().has_value());

    p.press(command);
    QVERIFY(p.sink.empty());
    commands->refresh();
    QVERIFY(save->isEnabled() && copy->isEnabled());
    const auto figure = p.page.currentFigure();
    QVERIFY(figure.has_value());
    QCOMPARE(QString::fromStdString(figure->caption), caption);
    save->trigger();
    QCOMPARE(QImage(dir.filePath("figure.png")).size(),
             (render::captionedSize(*figure) * render::kPngScale).toSize());
    QApplication::clipboard()->clear();
    copy->trigger();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied != nullptr && copied->hasFormat("image/png") &&
            copied->hasFormat("image/svg+xml"));

    // The degree-day tab has no figure; an erased one is gone.
    p.find<QTabWidget>("tab14")->setCurrentIndex(2);
    QVERIFY(!p.page.currentFigure().has_value());
    p.find<QTabWidget>("tab14")->setCurrentIndex(tab);
    p.page.setRegion("서울", "");
    QVERIFY(!p.page.currentFigure().has_value());
    QVERIFY(p.sink.empty());
  }

  void everyGridCopiesAndSavesAsATable_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("firstRow");
    QTest::newRow("zones") << "grd14a"
                           << "cmd14aDraw"
                           << "결측, 에러";
    QTest::newRow("degree-days") << "grd14c"
                                 << "cmd14cCalc"
                                 << "1월";
    QTest::newRow("comparison") << "grd14d"
                                << "cmd14dCompare"
                                << "난방 필요";
  }
  void everyGridCopiesAndSavesAsATable() {
    QFETCH(QString, grid);
    QFETCH(QString, command);
    QFETCH(QString, firstRow);
    SeasonalPage p;
    p.loadSeoul();
    p.find<QComboBox>("cbo14dRegion")->setCurrentText("제주");
    QTemporaryDir dir;
    ExportCommands* commands = p.exportsTo(dir.filePath("table"));
    ResultGrid* t = p.table(grid);
    QAction* copy = actionOf(t, "mnuTableCopy");
    QAction* save = actionOf(t, "mnuTableSave");
    QVERIFY(copy != nullptr && save != nullptr);
    commands->refresh();
    QVERIFY(!copy->isEnabled() && !save->isEnabled());

    p.press(command);
    QVERIFY(p.sink.empty());
    commands->refresh();
    QVERIFY(copy->isEnabled() && save->isEnabled());
    copy->trigger();
    const QStringList lines = QApplication::clipboard()->text().split("\r\n");
    QStringList heading{""};
    for (int c = 0; c < t->columnCount(); ++c) heading << t->horizontalHeaderItem(c)->text();
    QCOMPARE(lines.value(0), heading.join('\t'));
    const QStringList first = lines.value(1).split('\t');
    QCOMPARE(first.value(0), firstRow);
    QCOMPARE(first.value(1), t->text(0, 0));
    QCOMPARE(lines.size(), t->rowCount() + 2);  // the last line ends like the others
    save->trigger();
    QFile saved(dir.filePath("table.csv"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray::fromStdString(TableCsv(*t->textTable())));
  }

  void aNewRegionEmptiesEveryResult() {
    SeasonalPage p;
    p.loadSeoul();
    for (const char* command : {"cmd14aDraw", "cmd14bDraw", "cmd14cCalc", "cmd14dCompare"})
      p.press(command);
    QVERIFY(!p.table("grd14c")->blank());
    p.page.setRegion("제주", "/weather/jeju.cly");
    QCOMPARE(p.find<QLabel>("lbl14d")->text(), QString("제주"));
    for (const char* name : {"grd14a", "grd14c", "grd14d"}) QVERIFY(p.table(name)->blank());
    for (const char* name : {"pic14aChart", "pic14bCarpet", "pic14dChart"})
      QVERIFY(p.picture(name)->blank());
    QVERIFY(p.find<QLabel>("lbl14dMostA")->text().isEmpty());
    QCOMPARE(p.find<QLabel>("lbl14dMostACaption")->text(), QString("기준 :"));
  }
};

QTEST_MAIN(Frm14Test)
#include "test_frm14.moc"
