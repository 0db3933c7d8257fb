// The pages at the smallest window the program is laid out for (1024 × 700)
// and at a large one (1600 × 1000): the climate-analysis page keeps every zone
// check box on screen, and the sun-path and mask pictures grow with the window.
#include <QCheckBox>
#include <QScrollArea>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "gui/app_state.h"
#include "gui/main_window.h"
#include "gui/navigation_pane.h"
#include "render/picture_box.h"
#include "tests/gui/support/gui_test_support.h"

using namespace vlm;

namespace {

const char* const kZoneBoxes[] = {"chk12aTH",  "chk12aTC",  "chk12aTCT", "chk12aDH",  "chk12aHU",
                                  "chk12aRC",  "chk12aRI",  "chk12aPSG", "chk12aRSG", "chk12aPV",
                                  "chk12aPEC", "chk12aPRC", "chk12aMC",  "chk12aMCD"};

struct Window {
  explicit Window(QSize size) : state(dir.path(), sink) {
    window = std::make_unique<MainWindow>(state, settings.settings(), printer);
    window->resize(size);
    window->show();
  }
  // Shows the page of a navigation item and lets the layouts settle.
  void open(const QString& item) {
    QVERIFY(window->navigation()->selectItem(item));
    QCoreApplication::processEvents();
    // For a person to look at: VLM_LAYOUT_SHOTS=<folder> keeps a picture of each page.
    const QString shots = qEnvironmentVariable("VLM_LAYOUT_SHOTS");
    if (!shots.isEmpty()) {
      const QSize s = window->size();
      window->grab().save(
          QString("%1/%2_%3x%4.png").arg(shots, item).arg(s.width()).arg(s.height()));
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
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
