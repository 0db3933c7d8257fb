// The pages at the smallest window the program is laid out for (1024 × 700)
// and at a large one (1600 × 1000): the climate-analysis page keeps every zone
// check box on screen, the sun-path and mask pictures grow with the window, and
// the seasonal, radiation, comfort and sun-path pages, with their results shown
// (the sun-path page's with the loaded year and the shade's performance), neither scroll
// sideways nor cut a caption, a table cell or a picture.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "gui/app_state.h"
#include "gui/main_window.h"
#include "gui/navigation_pane.h"
#include "gui/pages/frm14.h"
#include "gui/pages/frm15.h"
#include "gui/pages/frm16.h"
#include "gui/pages/frm31.h"
#include "gui/pages/result_grid.h"
#include "render/picture_box.h"
#include "tests/gui/support/gui_test_support.h"

using namespace vlm;

namespace {

const char* const kZoneBoxes[] = {"chk12aTH",  "chk12aTC",  "chk12aTCT", "chk12aDH",  "chk12aHU",
                                  "chk12aRC",  "chk12aRI",  "chk12aPSG", "chk12aRSG", "chk12aPV",
                                  "chk12aPEC", "chk12aPRC", "chk12aMC",  "chk12aMCD"};

// What of a widget its ancestors up to `top` leave on show, in its own coordinates.
QRect shownPart(const QWidget* w, const QWidget* top) {
  QRect part = w->rect();
  for (const QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget()) {
    part &= QRect(w->mapFrom(p, QPoint(0, 0)), p->size());
    if (p == top) break;
  }
  return part;
}

// The first fault that cuts something on `tab`: a caption narrower or lower
// than its text, a check box or option narrower than its caption, a widget its parents or the
// page's `viewport` cut off, a table cell narrower than its number. Empty when nothing is cut.
QString cutOn(const QWidget* tab, const QWidget* viewport) {
  for (const QLabel* label : tab->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(tab) || label->text().isEmpty()) continue;
    const QSize need = label->wordWrap() ? QSize(label->minimumSizeHint().width(),
                                                 label->heightForWidth(label->width()))
                                         : label->sizeHint();
    if (label->width() < need.width() || label->height() < need.height())
      return QString("%1 is %2x%3 for %4x%5")
          .arg(label->objectName())
          .arg(label->width())
          .arg(label->height())
          .arg(need.width())
          .arg(need.height());
  }
  for (const QAbstractButton* box : tab->findChildren<QAbstractButton*>()) {
    const bool choice = qobject_cast<const QCheckBox*>(box) != nullptr ||
                        qobject_cast<const QRadioButton*>(box) != nullptr;
    if (choice && box->isVisibleTo(tab) && box->width() < box->sizeHint().width())
      return QString("%1 \"%2\" is %3 wide for %4")
          .arg(box->objectName(), box->text())
          .arg(box->width())
          .arg(box->sizeHint().width());
  }
  for (const QWidget* w : tab->findChildren<QWidget*>()) {
    const bool shown = qobject_cast<const QLabel*>(w) != nullptr ||
                       qobject_cast<const QAbstractButton*>(w) != nullptr ||
                       qobject_cast<const QLineEdit*>(w) != nullptr ||
                       qobject_cast<const PictureBox*>(w) != nullptr;
    if (!shown || !w->isVisibleTo(tab) || w->objectName().isEmpty()) continue;
    if (shownPart(w, viewport) != w->rect())
      return QString("%1 is cut by its parents").arg(w->objectName());
  }
  for (const ResultGrid* grid : tab->findChildren<ResultGrid*>()) {
    for (int r = 0; r < grid->rowCount(); ++r) {
      for (int c = 0; c < grid->columnCount(); ++c) {
        const QTableWidgetItem* cell = grid->item(r, c);
        // A long text with its whole self in the tooltip may be cut.
        if (cell->text().isEmpty() || !cell->toolTip().isEmpty()) continue;
        const int need = grid->fontMetrics().horizontalAdvance(cell->text()) + 8;
        if (grid->columnWidth(c) < need)
          return QString("%1 cell %2,%3 \"%4\" in %5 px")
              .arg(grid->objectName())
              .arg(r)
              .arg(c)
              .arg(cell->text())
              .arg(grid->columnWidth(c));
      }
    }
  }
  return QString();
}

struct Window {
  explicit Window(QSize size, const std::string& programDir = {})
      : state(programDir.empty() ? dir.path() : programDir, sink) {
    window = std::make_unique<MainWindow>(state, settings.settings(), printer);
    window->resize(size);
    window->show();
  }
  // Shows the page of a navigation item and lets the layouts settle.
  void open(const QString& item, const QString& shotName = {}) {
    QVERIFY(window->navigation()->selectItem(item));
    QCoreApplication::processEvents();
    // For a person to look at: VLM_LAYOUT_SHOTS=<folder> keeps a picture of each page.
    const QString shots = qEnvironmentVariable("VLM_LAYOUT_SHOTS");
    if (!shots.isEmpty()) {
      const QSize s = window->size();
      window->grab().save(QString("%1/%2_%3x%4.png")
                              .arg(shots, shotName.isEmpty() ? item : shotName)
                              .arg(s.width())
                              .arg(s.height()));
    }
  }
  template <class T>
  T* find(const char* name) const {
    return window->findChild<T*>(name);
  }
  // Whether the whole widget lies inside the window's central area, where the
  // user can reach it (scrolled into reach counts as reachable).
  bool reachable(const QWidget* w) const {
    if (!w->isVisibleTo(window.get())) return false;
    const QRect central = window->centralWidget()->rect();
    const QRect at(w->mapTo(window->centralWidget(), QPoint(0, 0)), w->size());
    for (const QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget()) {
      if (qobject_cast<const QScrollArea*>(p) != nullptr) return true;
    }
    return central.contains(at);
  }

  // Seoul loaded, as the region page leaves it for the seasonal and sun-path pages.
  void loadSeoul() {
    const auto seoul = regionByStem("seoul");
    QVERIFY(seoul.has_value());
    SilentSink quiet;
    QVERIFY(LoadClimateYear(state.climate(), builtInChoice(*seoul, state.programDir()),
                            state.psychro(), quiet));
    const QString path = QString::fromStdString(state.climate().sourcePath());
    qobject_cast<Frm14*>(window->page("frm14"))->setRegion("서울", path);
    qobject_cast<Frm15*>(window->page("frm15"))->setRegion("서울", path);
    qobject_cast<Frm16*>(window->page("frm16"))->setRegion("서울", path);
    qobject_cast<Frm31*>(window->page("frm31"))->setRegion("서울", path);
  }
  void press(const char* name) const { find<QAbstractButton>(name)->click(); }

  test::ProgramDir dir;
  test::TestSettings settings;
  test::PdfPagePrinter printer;
  RecordingSink sink;
  AppState state;
  std::unique_ptr<MainWindow> window;
};

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void theZoneBoxesStayOnScreenAt1024x700() {
    for (const QSize size : {QSize(1024, 700), QSize(1600, 1000)}) {
      Window w(size);
      w.open("기후분석");
      for (const char* name : kZoneBoxes) {
        QVERIFY2(w.reachable(w.find<QCheckBox>(name)),
                 qPrintable(QString("%1 at %2x%3").arg(name).arg(size.width()).arg(size.height())));
      }
    }
  }

  // With an EPW target the conversion page shows the site choice too, and
  // all of it stays on screen.
  void theConversionPageKeepsItsSiteChoiceOnScreenAt1024x700() {
    Window w(QSize(1024, 700));
    w.open("기후파일 변환");
    w.find<QLineEdit>("txt33After")->setText("seoul.epw");
    QCoreApplication::processEvents();
    for (const char* name : {"cbo33Site", "txt33UtcOffset", "cmd33Convert", "lbl331"}) {
      const auto* widget = w.find<QWidget>(name);
      QVERIFY2(widget != nullptr && w.reachable(widget), name);
    }
    QVERIFY(w.find<QWidget>("cbo33Site")->isEnabled());
    w.open("기후파일 변환", "기후파일 변환 EPW");
  }
  void theSunPathPicturesGrowWithTheWindow() {
    Window small(QSize(1024, 700));
    small.open("태양궤적, 음영평가");
    Window large(QSize(1600, 1000));
    large.open("태양궤적, 음영평가");
    for (const char* name : {"pic31Schart", "pic31SM"}) {
      if (QString(name) == "pic31SM") {
        for (Window* w : {&small, &large}) {
          w->find<QTabWidget>("tab31")->setCurrentIndex(2);
          QCoreApplication::processEvents();
        }
      }
      const QSize a = small.find<PictureBox>(name)->size();
      const QSize b = large.find<PictureBox>(name)->size();
      QVERIFY2(a.width() == a.height() && b.width() == b.height(),
               qPrintable(QString("%1: %2x%3 and %4x%5")
                              .arg(name)
                              .arg(a.width())
                              .arg(a.height())
                              .arg(b.width())
                              .arg(b.height())));
      QVERIFY2(b.width() > a.width() + 100,
               qPrintable(QString("%1: %2 then %3").arg(name).arg(a.width()).arg(b.width())));
    }
  }

  void nothingIsCutOrScrolledSidewaysAt1024x700_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("tabs");
    QTest::addColumn<int>("tab");
    for (int tab = 0; tab < 5; ++tab)
      QTest::addRow("기후 심화분석 %d", tab) << "기후 심화분석"
                                             << "tab14" << tab;
    for (int tab = 0; tab < 3; ++tab) {
      QTest::addRow("일사 분석 %d", tab) << "일사 분석"
                                         << "tab15" << tab;
      QTest::addRow("열쾌적 분석 %d", tab) << "열쾌적 분석"
                                           << "tab16" << tab;
    }
    for (int tab = 0; tab < 3; ++tab)
      QTest::addRow("태양궤적, 음영평가 %d", tab) << "태양궤적, 음영평가"
                                                  << "tab31" << tab;
  }
  void nothingIsCutOrScrolledSidewaysAt1024x700() {
    QFETCH(QString, item);
    QFETCH(QString, tabs);
    QFETCH(int, tab);
    Window w(QSize(1024, 700), VLM_PROGRAM_DIR);
    w.loadSeoul();
    w.open(item);
    // The results as the user sees them once every tab has been worked.
    if (tabs == "tab14") {
      for (const char* name :
           {"cmd14aDraw", "cmd14bDraw", "cmd14cCalc", "cmd14dCompare", "cmd14eDraw"})
        w.press(name);
    } else if (tabs == "tab15") {
      w.press("cmd15Draw");
    } else if (tabs == "tab16") {
      w.press("cmd16Calc");
    } else {
      // With the year's hours on both diagrams and the shade's performance filled.
      w.find<QCheckBox>("chk31Climate")->setChecked(true);
      w.press("cmd31SchartDraw");
      w.find<QTabWidget>("tab31")->setCurrentIndex(1);
      w.find<QRadioButton>("opt31SMinputHV")->click();
      const std::pair<const char*, const char*> angles[] = {{"txt31SMinputHVv", "45"},
                                                            {"txt31SMinputHVhw", "30"},
                                                            {"txt31SMinputHVhe", "-30"},
                                                            {"txt31SMinputHVs", "0"}};
      for (const auto& [box, value] : angles) w.find<QLineEdit>(box)->setText(value);
      w.find<QTabWidget>("tab31")->setCurrentIndex(2);
      w.find<QCheckBox>("chk31SMClimate")->setChecked(true);
      w.press("cmd31SMDraw");
    }
    auto* tabWidget = w.find<QTabWidget>(qPrintable(tabs));
    tabWidget->setCurrentIndex(tab);
    w.open(item, QString("%1 %2").arg(item).arg(tab));
    QVERIFY2(w.sink.empty(), w.sink.empty() ? "" : w.sink.last().text().c_str());
    const auto* host = qobject_cast<const QScrollArea*>(
        w.window->navigation()->shownPage()->parentWidget()->parentWidget());
    QVERIFY(host != nullptr);
    QVERIFY2(
        !host->horizontalScrollBar()->isVisible(),
        qPrintable(
            QString("%1 wide in %2").arg(host->widget()->width()).arg(host->viewport()->width())));
    const QString cut = cutOn(tabWidget->currentWidget(), host->viewport());
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
  }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
