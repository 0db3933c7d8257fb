// The application shell: start-up geometry and switches from the settings,
// the menus, the navigation tree, printing, the splash and the message boxes.
#include <QAbstractButton>
#include <QBuffer>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QSignalSpy>
#include <QStatusBar>
#include <QSvgGenerator>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>
#include <cmath>
#include <memory>

#include "core/common/file_error.h"
#include "gui/app_info.h"
#include "gui/app_state.h"
#include "gui/guarded.h"
#include "gui/gui_message_sink.h"
#include "gui/main_window.h"
#include "gui/navigation_pane.h"
#include "gui/pages/frm1.h"
#include "gui/pages/frm43.h"
#include "gui/pages/page.h"
#include "gui/splash.h"
#include "gui/window_settings.h"
#include "render/picture_box.h"
#include "tests/gui/support/gui_test_support.h"

using namespace vlm;

namespace {

// One run of the program: its own program folder, settings, printer and sink.
struct Shell {
  explicit Shell(std::optional<int> copies = 1) : printer(copies), state(dir.path(), sink) {}
  void start() { window = std::make_unique<MainWindow>(state, settings.settings(), printer); }

  test::ProgramDir dir;
  test::TestSettings settings;
  test::PdfPagePrinter printer;
  RecordingSink sink;
  AppState state;
  std::unique_ptr<MainWindow> window;
};

QRect expectedDefault() {
  const QRect screen = MainWindow::screenGeometry();
  const int width = static_cast<int>(std::lround(0.9 * screen.width()));
  const int height = static_cast<int>(std::lround(0.9 * screen.height()));
  return {screen.left() + (screen.width() - width) / 2,
          screen.top() + (screen.height() - height) / 2, width, height};
}

QString joined(const Message& message) { return QString::fromStdString(message.text()); }

QAction* action(const MainWindow& window, const char* name) {
  return window.findChild<QAction*>(name);
}

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  void firstRunIsNinetyPercentOfTheScreenCentred() {
    Shell shell;
    shell.start();
    QCOMPARE(QRect(shell.window->pos(), shell.window->size()), expectedDefault());
    QVERIFY(action(*shell.window, "mnuViewToolBar")->isChecked());
    QVERIFY(action(*shell.window, "mnuViewStatusBar")->isChecked());
    QVERIFY(shell.window->navigation()->toolBarVisible());
    QVERIFY(!shell.window->statusBar()->isHidden());
  }

  void storedGeometryIsReadBackInTwips() {
    Shell shell;
    QSettings& s = shell.settings.settings();
    s.setValue("Settings/MainLeft", "1500");  // 100 px
    s.setValue("Settings/MainTop", "750");    // 50 px
    s.setValue("Settings/MainWidth", "9000");
    s.setValue("Settings/MainHeight", "6000");
    shell.start();
    QCOMPARE(shell.window->pos(), QPoint(100, 50));
    QCOMPARE(shell.window->size(), QSize(600, 400));
  }

  void unreadableOrLostGeometryFallsBack_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QRect>("expected");
    const QRect d = expectedDefault();
    QTest::newRow("unreadable width keeps the stored left")
        << "300"
        << "abc" << QRect(20, d.top(), d.width(), d.height());
    QTest::newRow("absent left centres the default size")
        << QString() << "6000" << QRect(d.left(), d.top(), 400, d.height());
    QTest::newRow("a window wholly off the screen is not restored") << "900000"
                                                                    << "6000" << d;
    QTest::newRow("a window without width is not restored") << "300"
                                                            << "0" << d;
  }
  void unreadableOrLostGeometryFallsBack() {
    QFETCH(QString, left);
    QFETCH(QString, width);
    QFETCH(QRect, expected);
    test::TestSettings settings;
    if (!left.isNull()) settings.settings().setValue("Settings/MainLeft", left);
    settings.settings().setValue("Settings/MainWidth", width);
    const QRect screen = MainWindow::screenGeometry();
    QCOMPARE(readWindowGeometry(settings.settings(), screen, screen), expected);
  }

  void closingSavesAndTheNextStartRestores() {
    Shell shell;
    shell.start();
    shell.window->move(40, 30);
    shell.window->resize(640, 480);
    shell.window->mnuViewToolBar_Click();
    shell.window->mnuViewStatusBar_Click();
    shell.window->close();
    QSettings& s = shell.settings.settings();
    QCOMPARE(s.value("Settings/MainLeft").toString(), QString("600"));
    QCOMPARE(s.value("Settings/MainTop").toString(), QString("450"));
    QCOMPARE(s.value("Settings/MainWidth").toString(), QString("9600"));
    QCOMPARE(s.value("Settings/MainHeight").toString(), QString("7200"));
    QCOMPARE(s.value("TBSetting/TBmenuValue").toString(), QString("False"));
    QCOMPARE(s.value("SBSetting/SBmenuValue").toString(), QString("False"));

    std::unique_ptr<QSettings> next = shell.settings.reopen();
    MainWindow again(shell.state, *next, shell.printer);
    QCOMPARE(again.pos(), QPoint(40, 30));
    QCOMPARE(again.size(), QSize(640, 480));
    QVERIFY(!action(again, "mnuViewToolBar")->isChecked());
    QVERIFY(!again.navigation()->toolBarVisible());
    QVERIFY(!action(again, "mnuViewStatusBar")->isChecked());
    QVERIFY(again.statusBar()->isHidden());
  }

  void exitWhileMinimisedKeepsTheStoredGeometry() {
    Shell shell;
    QSettings& s = shell.settings.settings();
    s.setValue("Settings/MainLeft", "1500");
    s.setValue("Settings/MainTop", "750");
    s.setValue("Settings/MainWidth", "9000");
    s.setValue("Settings/MainHeight", "6000");
    shell.start();
    shell.window->resize(700, 500);
    shell.window->mnuViewStatusBar_Click();
    shell.window->setWindowState(Qt::WindowMinimized);
    shell.window->close();
    QCOMPARE(s.value("Settings/MainWidth").toString(), QString("9000"));
    QCOMPARE(s.value("Settings/MainLeft").toString(), QString("1500"));
    // The switches are saved all the same.
    QCOMPARE(s.value("SBSetting/SBmenuValue").toString(), QString("False"));
    QCOMPARE(s.value("TBSetting/TBmenuValue").toString(), QString("True"));
  }

  void restoreIsRefusedWhileMaximisedOrMinimised_data() {
    QTest::addColumn<int>("state");
    QTest::newRow("maximised") << int(Qt::WindowMaximized);
    QTest::newRow("minimised") << int(Qt::WindowMinimized);
  }
  void restoreIsRefusedWhileMaximisedOrMinimised() {
    QFETCH(int, state);
    Shell shell;
    shell.start();
    shell.window->move(10, 10);
    shell.window->resize(500, 400);
    shell.window->setWindowState(static_cast<Qt::WindowState>(state));
    shell.window->mnuViewToolBar_Click();
    const QPoint pos = shell.window->pos();
    const QSize size = shell.window->size();
    shell.window->mnuWin_Click();
    QCOMPARE(shell.sink.size(), std::size_t{2});
    const Message& question = shell.sink.messages()[0];
    QCOMPARE(QString::fromStdString(question.title), QString("Velmora"));
    QCOMPARE(question.icon, MessageIcon::Information);
    QCOMPARE(question.buttons, MessageButtons::OkCancel);
    QCOMPARE(joined(question),
             QString("바탕화면 해상도 1024*768 모드, 툴바 보기 On, 상태바 보기 On\r\n"
                     "상태를 기준으로 각 메뉴별 내용이 가장 잘 보이는 상태로 창 크기, 위치를\r\n"
                     "복원합니다."));
    const Message& refusal = shell.sink.messages()[1];
    QCOMPARE(QString::fromStdString(refusal.title), QString("Velmora"));
    QCOMPARE(refusal.icon, MessageIcon::Information);
    QCOMPARE(joined(refusal),
             QString("화면이 최대화 혹은 최소화되어 있으면, 창 크기, 위치의 복원이\r\n"
                     "불가능합니다.\r\n\r\n"
                     "[화면을 최대화 혹은 최소화시키지 않은 상태에서 다시 시도하세요]"));
    QCOMPARE(shell.window->pos(), pos);
    QCOMPARE(shell.window->size(), size);
    QVERIFY(!action(*shell.window, "mnuViewToolBar")->isChecked());
  }

  void restoreCancelledChangesNothing() {
    Shell shell;
    shell.start();
    shell.window->move(10, 10);
    shell.window->resize(500, 400);
    shell.sink.queueAnswer(MessageAnswer::Cancel);
    shell.window->mnuWin_Click();
    QCOMPARE(shell.sink.size(), std::size_t{1});
    QCOMPARE(shell.window->pos(), QPoint(10, 10));
    QCOMPARE(shell.window->size(), QSize(500, 400));
  }

  void restoreSetsTheDefaultPlaceAndBothSwitches() {
    Shell shell;
    shell.start();
    shell.window->move(10, 10);
    shell.window->resize(500, 400);
    shell.window->mnuViewToolBar_Click();
    shell.window->mnuViewStatusBar_Click();
    shell.window->mnuWin_Click();
    QCOMPARE(QRect(shell.window->pos(), shell.window->size()), expectedDefault());
    QVERIFY(action(*shell.window, "mnuViewToolBar")->isChecked());
    QVERIFY(shell.window->navigation()->toolBarVisible());
    QVERIFY(action(*shell.window, "mnuViewStatusBar")->isChecked());
    QVERIFY(!shell.window->statusBar()->isHidden());
  }

  void hidingTheStatusBarGivesThePaneTheWholeInnerHeight() {
    Shell shell;
    shell.start();
    shell.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(shell.window.get()));
    auto inner = [&] { return shell.window->height() - shell.window->menuBar()->height(); };
    const int withStatusBar = shell.window->navigation()->height();
    QCOMPARE(withStatusBar, inner() - shell.window->statusBar()->height());
    // The menu item inverts its own check mark.
    action(*shell.window, "mnuViewStatusBar")->trigger();
    QVERIFY(!action(*shell.window, "mnuViewStatusBar")->isChecked());
    QVERIFY(shell.window->statusBar()->isHidden());
    QTRY_COMPARE(shell.window->navigation()->height(), inner());
  }

  void toolBarMenuSwitchesTheNavigationToolBar() {
    Shell shell;
    shell.start();
    action(*shell.window, "mnuViewToolBar")->trigger();
    QVERIFY(!shell.window->navigation()->toolBarVisible());
    action(*shell.window, "mnuViewToolBar")->trigger();
    QVERIFY(shell.window->navigation()->toolBarVisible());
  }

  void printOfAHelpItemGivesTheAdviceAndNoDialog_data() {
    QTest::addColumn<QString>("item");
    QTest::newRow("usage") << "사용법";
    QTest::newRow("home page") << "인터넷 홈페이지";
  }
  void printOfAHelpItemGivesTheAdviceAndNoDialog() {
    QFETCH(QString, item);
    Shell shell;
    shell.start();
    QVERIFY(shell.window->navigation()->selectItem(item));
    action(*shell.window, "munPrint")->trigger();
    QCOMPARE(shell.printer.dialogs(), 0);
    QCOMPARE(shell.sink.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(shell.sink.last().title), QString("Velmora"));
    QCOMPARE(joined(shell.sink.last()),
             QString("사용법 혹은 인터넷 홈페이지 메뉴 내용을 인쇄하려면,\r\n"
                     "해당 내용에서 마우스 오른쪽 버튼을 클릭한 후\r\n"
                     "인쇄를 선택하시기 바랍니다."));
  }

  void printOfTheAnalysisPrintsEachCopyAndSetsItsFlag() {
    Shell shell(2);
    shell.start();
    shell.window->show();
    QVERIFY(shell.window->navigation()->selectItem("기후분석"));
    shell.window->munPrint_Click();
    QCOMPARE(shell.printer.dialogs(), 1);
    QCOMPARE(shell.printer.printedPages(), QStringList{"frm12"});
    QCOMPARE(shell.printer.sheetCount(), 2);
    QVERIFY(shell.state.printFlags().BioChartPrinted);
    QVERIFY(!shell.state.printFlags().RosePrinted);
    QVERIFY(!shell.state.printFlags().DiagramPrinted);
    QVERIFY(shell.sink.empty());
  }

  void printPrintsThePageOfTheSelectedItem_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("form");
    QTest::newRow("a group prints the group page") << "추가기능"
                                                   << "frm1";
    QTest::newRow("region") << "지역선택"
                            << "frm11";
    QTest::newRow("monthly graphs") << "월별 기후표현"
                                    << "frm13";
    QTest::newRow("seasonal analysis") << "기후 심화분석"
                                       << "frm14";
    QTest::newRow("solar radiation") << "일사 분석"
                                     << "frm15";
    QTest::newRow("thermal comfort") << "열쾌적 분석"
                                     << "frm16";
    QTest::newRow("sun path") << "태양궤적, 음영평가"
                              << "frm31";
    QTest::newRow("calculator") << "습공기 상태계산"
                                << "frm32";
    QTest::newRow("conversion") << "기후파일 변환"
                                << "frm33";
    QTest::newRow("program information") << "프로그램 정보"
                                         << "frm43";
  }
  void printPrintsThePageOfTheSelectedItem() {
    QFETCH(QString, item);
    QFETCH(QString, form);
    Shell shell;
    shell.start();
    shell.window->show();
    QVERIFY(shell.window->navigation()->selectItem(item));
    shell.window->munPrint_Click();
    QCOMPARE(shell.printer.printedPages(), QStringList{form});
    QCOMPARE(shell.printer.sheetCount(), 1);
    QCOMPARE(shell.state.printFlags().RosePrinted, form == "frm13");
    QCOMPARE(shell.state.printFlags().DiagramPrinted, form == "frm31");
  }

  void cancellingThePrintDialogPrintsNothing() {
    Shell shell(std::nullopt);
    shell.start();
    QVERIFY(shell.window->navigation()->selectItem("기후분석"));
    shell.window->munPrint_Click();
    QCOMPARE(shell.printer.dialogs(), 1);
    QVERIFY(shell.printer.printedPages().isEmpty());
    QVERIFY(!shell.state.printFlags().BioChartPrinted);
    QVERIFY(shell.sink.empty());
  }

  void aFailingPrinterSaysWhyInAnErrorBox() {
    Shell shell(3);
    shell.printer.setPdfPath(shell.dir.filePath("no/such/folder/out.pdf"));
    shell.start();
    QVERIFY(shell.window->navigation()->selectItem("지역선택"));
    shell.window->munPrint_Click();
    QCOMPARE(shell.printer.printedPages(), QStringList{"frm11"});
    QVERIFY(!QFile::exists(shell.printer.pdfPath()));
    QCOMPARE(shell.sink.size(), std::size_t{1});
    QCOMPARE(shell.sink.last().title, std::string("에러"));
    QCOMPARE(joined(shell.sink.last()),
             QString("인쇄하지 못했습니다.\r\n\r\n[프린터의 연결 상태와 설정을 확인하세요.]"));
  }

  void pagesAreCreatedInOrderWithTheirCaptions() {
    Shell shell;
    shell.start();
    QStringList names, captions;
    for (const Page* page : shell.window->pages()) {
      names << page->objectName();
      captions << page->windowTitle();
    }
    QCOMPARE(names, (QStringList{"frm1", "frm11", "frm12", "frm13", "frm14", "frm15", "frm16",
                                 "frm31", "frm32", "frm33", "frm43"}));
    QCOMPARE(captions.mid(1),
             (QStringList{"1-지역선택", "1-기후분석", "1-월별 기후표현", "1-기후 심화분석",
                          "1-일사 분석", "1-열쾌적 분석", "31-태양궤적,음영평가",
                          "32-습공기상태계산", "33-기후파일변환", "4-프로그램 정보"}));
    QCOMPARE(shell.window->windowTitle(), QString("Velmora"));
  }

  void theTreeHoldsThreeExpandedGroupsAndTheirLeaves() {
    Shell shell;
    shell.start();
    const QTreeWidget* tree = shell.window->navigation()->tree();
    QCOMPARE(tree->topLevelItemCount(), 3);
    const QStringList groups{"자연형 기후설계 자료", "추가기능", "도움말"};
    const QList<QStringList> leaves{
        {"지역선택", "기후분석", "월별 기후표현", "기후 심화분석", "일사 분석", "열쾌적 분석"},
        {"태양궤적, 음영평가", "습공기 상태계산", "기후파일 변환"},
        {"사용법", "인터넷 홈페이지", "프로그램 정보"}};
    for (int g = 0; g < 3; ++g) {
      const QTreeWidgetItem* group = tree->topLevelItem(g);
      QCOMPARE(group->text(0), groups[g]);
      QVERIFY(group->isExpanded());
      QStringList texts;
      for (int i = 0; i < group->childCount(); ++i) texts << group->child(i)->text(0);
      QCOMPARE(texts, leaves[g]);
      QCOMPARE(shell.window->navigation()->pageOf(groups[g]), shell.window->page("frm1"));
    }
    const QString help = QString::fromStdString(shell.state.programDir()) + "/help/";
    QCOMPARE(shell.window->navigation()->urlOf("사용법"),
             QUrl::fromLocalFile(help + "helpindex.htm"));
    QCOMPARE(shell.window->navigation()->urlOf("인터넷 홈페이지"),
             QUrl::fromLocalFile(help + "homeindex.htm"));
  }

  void aGroupItemWritesItsTextsIntoTheGroupPage() {
    Shell shell;
    shell.start();
    NavigationPane* nav = shell.window->navigation();
    auto* subTitle = shell.window->page("frm1")->findChild<QLabel*>("lbl1SubTitle");
    auto* description = shell.window->page("frm1")->findChild<QLabel*>("lbl1Description");
    QVERIFY(nav->selectItem("도움말"));
    QCOMPARE(nav->shownPage(), shell.window->page("frm1"));
    QCOMPARE(subTitle->text(), QString("도움말"));
    QCOMPARE(
        description->text(),
        QString("▷ 사용법\n     - 프로그램 사용법 및 참고자료 제공\n\n▷ 인터넷 홈페이지\n"
                "     - 온라인 시뮬레이션 기능 제공\n     - 기후설계 지침별 자연형 설계기술 제공\n"
                "     - 국내외 친환경, 에너지절약형 건물소개\n"
                "     - 설계 도구(컴퓨터 프로그램) 제공\n"
                "     - 자료실(관련 문헌, 논문, 사이트, 기타) 제공\n"
                "     - 관리자와의 질의응답 게시판, 자유 게시판 제공\n\n▷ 프로그램 정보\n"
                "     - Velmora 프로그램 정보"));
    // A leaf shows its own page and leaves the group page as it was.
    QVERIFY(nav->selectItem("습공기 상태계산"));
    QCOMPARE(nav->shownPage(), shell.window->page("frm32"));
    QCOMPARE(subTitle->text(), QString("도움말"));
  }

  void groupDescriptionsAreExact_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("text");
    QTest::newRow("design")
        << "자연형 기후설계 자료"
        << "▷ 지역선택\n     - 가장 먼저 지역선택에서 대상 지역을 선택\n\n"
           "▷ 기후분석\n     - 건물생체기후도 작도\n"
           "     - 건물생체기후도 분석 결과 표시 및\n"
           "        대상 지역에 적합한 기후설계 지침 도출\n"
           "     - 기후데이터 추출 및 파일로 저장\n\n▷ 월별 기후표현\n"
           "     - 월별 건구온도, 상대습도, 일사량, 풍속, 풍향\n        그래프 작도";
    QTest::newRow("extra") << "추가기능"
                           << "▷ 태양궤적, 음영평가\n     - 수평사영 태양궤적도 작도\n"
                              "     - 차양, 인접건물 등의 음영각 정보입력\n"
                              "     - 음영마스크 작도로 음영 평가\n\n▷ 습공기 상태계산\n"
                              "     - 건구온도, 습구온도, 절대습도, 상대습도,\n"
                              "        엔탈피, 노점온도, 수증기압, 비체적 등의\n"
                              "        습공기 상태치 파악\n\n▷ 기후파일 변환\n"
                              "     - WYEC(혹은 TRY)형식의 기후데이터 파일을\n"
                              "        Velmora용 기후 파일로 변환\n"
                              "     - WYEC(혹은 TRY)형식의 기후데이터 파일만\n"
                              "        있으면 전 세계 어느 지역이라도 분석 가능";
    QTest::newRow("a leaf is no group") << "지역선택"
                                        << "";
  }
  void groupDescriptionsAreExact() {
    QFETCH(QString, group);
    QFETCH(QString, text);
    QCOMPARE(Frm1::groupDescription(group), text);
  }

  void pagesKeepTheirStateWhileHidden() {
    Shell shell;
    shell.start();
    NavigationPane* nav = shell.window->navigation();
    QVERIFY(nav->selectItem("지역선택"));
    auto* other = shell.window->page("frm11")->findChild<QAbstractButton*>("opt11Mis");
    other->click();
    QVERIFY(nav->selectItem("프로그램 정보"));
    QVERIFY(nav->selectItem("지역선택"));
    QVERIFY(other->isChecked());
    // The toolbar walks the same history.
    shell.window->navigation()->findChild<QAction*>("navBack")->trigger();
    QCOMPARE(nav->selectedText(), QString("프로그램 정보"));
    shell.window->navigation()->findChild<QAction*>("navForward")->trigger();
    QCOMPARE(nav->selectedText(), QString("지역선택"));
  }

  void helpItemsShowTheirWebPageInsideThePane() {
    Shell shell;
    QFile page(shell.dir.filePath("help/helpindex.htm"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>사용법 안내</h1></body></html>");
    page.close();
    shell.start();
    QVERIFY(shell.window->navigation()->selectItem("사용법"));
    QCOMPARE(shell.window->navigation()->shownPage(), nullptr);
    QVERIFY(shell.window->navigation()->browser()->toPlainText().contains("사용법 안내"));
  }

  void printedPicturesAreVectorsNotScreenGrabs() {
    RecordingSink sink;
    AppState state("/nowhere", sink);
    Page page(state, "frmTest", "test", nullptr);
    auto* picture = new PictureBox(&page);
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(picture);
    page.resize(300, 200);
    Drawing drawing(UserScale{0, 10, 0, 10});
    drawing.circle(5, 5, 3, Color::palette(9));
    drawing.text(TextItem{5, 5, "풍향장미", Color::palette(0)});
    picture->setDrawing(drawing);
    page.show();
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(600, 400));
    generator.setResolution(192);
    QPainter painter(&generator);
    page.printPage(painter, QRectF(0, 0, 600, 400));
    painter.end();
    // The drawing's text arrives as text and its circle as a path, not as pixels.
    QVERIFY(QString::fromUtf8(svg).contains("풍향장미"));
    QVERIFY(!svg.contains("<image"));
  }

  void splashHandsOverOnceOnTheFirstKeyOrClick_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("key") << true;
    QTest::newRow("click") << false;
  }
  void splashHandsOverOnceOnTheFirstKeyOrClick() {
    QFETCH(bool, byKey);
    auto* splash = new Splash;
    QPointer<Splash> alive(splash);
    QSignalSpy finished(splash, &Splash::finished);
    splash->show();
    QCOMPARE(splash->timer()->interval(), 3000);
    QVERIFY(splash->timer()->isActive());
    QCOMPARE(splash->findChild<QLabel*>("lblVersion")->text(), versionText());
    QVERIFY(splash->findChild<QLabel*>("lblWarning")
                ->text()
                .startsWith("경고 : 본 프로그램의 사용에 대한\n 모든 책임은 사용자에게 있습니다."));
    if (byKey) {
      QTest::keyClick(splash, Qt::Key_Space);
    } else {
      QTest::mouseClick(splash->findChild<QWidget*>("fraStart"), Qt::LeftButton);
    }
    QCOMPARE(finished.count(), 1);
    QTRY_VERIFY(alive.isNull());  // it closed and deleted itself
  }

  void menuSplashAndGroupPageTextsAreExact() {
    Shell shell;
    shell.start();
    const struct {
      const char* action;
      const char* caption;
    } menus[] = {{"mnuFile", "파일"},  {"munPrint", "인쇄"},       {"munExit", "종료"},
                 {"mnuView", "보기"},  {"mnuViewToolBar", "툴바"}, {"mnuViewStatusBar", "상태바"},
                 {"mnuWin", "창 복원"}};
    for (const auto& m : menus) {
      QAction* a = action(*shell.window, m.action);
      QVERIFY2(a != nullptr, m.action);
      QCOMPARE(a->text(), QString(m.caption));
    }
    const Page* group = shell.window->page("frm1");
    QCOMPARE(group->findChild<QLabel*>("lbl1Title")->text(), QString("Velmora"));
    QCOMPARE(group->findChild<QLabel*>("lbl1Version")->text(), versionText());

    Splash splash;
    const struct {
      const char* label;
      QString text;
    } labels[] = {
        {"lblCompanyProduct", "Velmora"},
        {"lblProductName", "Velmora"},
        {"lblVersion", versionText()},
        {"lblSubTitle", "자연형 기후설계 지원 프로그램"},
        {"lblWarning", "경고 : 본 프로그램의 사용에 대한\n 모든 책임은 사용자에게 있습니다."}};
    for (const auto& l : labels) QCOMPARE(splash.findChild<QLabel*>(l.label)->text(), l.text);
    QCOMPARE(splash.windowTitle(), QString("Velmora"));
  }

  void splashHandsOverWhenItsTimerTicks() {
    auto* splash = new Splash;
    QSignalSpy finished(splash, &Splash::finished);
    splash->timer()->setInterval(10);
    splash->timer()->start();
    QVERIFY(finished.wait(2000));
    QCOMPARE(finished.count(), 1);
  }

  void versionComesFromTheProjectVersion() {
    QCOMPARE(versionText(), QString("버전 %1.%2.%3")
                                .arg(VLM_VERSION_MAJOR)
                                .arg(VLM_VERSION_MINOR)
                                .arg(VLM_VERSION_PATCH));
    QVERIFY(versionText().startsWith("버전 "));
  }

  void systemInformationStartsTheFirstInstalledTool() {
    RecordingSink sink;
    QStringList started;
    SystemInfoPlatform platform{[](const QString& program) {
                                  return program == "hardinfo" ? "/usr/bin/hardinfo" : QString();
                                },
                                [&](const QString& path, const QStringList&) {
                                  started << path;
                                  return true;
                                }};
    QCOMPARE(startSystemInfo(platform, sink), std::optional<QString>("/usr/bin/hardinfo"));
    QCOMPARE(started, QStringList{"/usr/bin/hardinfo"});
    QVERIFY(sink.empty());
  }

  void systemInformationUnavailableIsSaidOnce_data() {
    QTest::addColumn<bool>("installed");
    QTest::newRow("no tool installed") << false;
    QTest::newRow("the tool does not start") << true;
  }
  void systemInformationUnavailableIsSaidOnce() {
    QFETCH(bool, installed);
    Shell shell;
    shell.start();
    auto* frm43 = qobject_cast<Frm43*>(shell.window->page("frm43"));
    frm43->setSystemInfoPlatform(SystemInfoPlatform{
        [installed](const QString& p) { return installed ? "/opt/" + p : QString(); },
        [](const QString&, const QStringList&) { return false; }});
    frm43->findChild<QAbstractButton*>("cmdSysInfo")->click();
    QCOMPARE(shell.sink.size(), std::size_t{1});
    QCOMPARE(joined(shell.sink.last()), QString("지금은 시스템 정보를 사용할 수 없습니다."));
    QCOMPARE(shell.sink.last().buttons, MessageButtons::Ok);
    QCOMPARE(QString::fromStdString(shell.sink.last().title), QString("Velmora"));
    QCOMPARE(int(messageBoxContent(shell.sink.last()).icon), int(QMessageBox::NoIcon));
  }

  void programInformationPageShowsTitleVersionAndButton() {
    Shell shell;
    shell.start();
    const Page* frm43 = shell.window->page("frm43");
    QCOMPARE(frm43->findChild<QLabel*>("lbl43Title")->text(), QString("Velmora"));
    QCOMPARE(frm43->findChild<QLabel*>("lbl43Version")->text(), versionText());
    const QString description = frm43->findChild<QLabel*>("lbl43Description")->text();
    QVERIFY(
        description.startsWith("자연형 기후설계 자료 및 방법과 여러 추가기능을 제공함으로써, "
                               "에너지 절약적이고 환경친화적인 건축설계 실현에 도움을 주고자 "
                               "하였습니다.\n\n"));
    QVERIFY(
        description.endsWith("\n\n본 프로그램 관련 질문사항이 있으면 아래 연락처로 연락바랍니다."));
    auto* button = frm43->findChild<QAbstractButton*>("cmdSysInfo");
    QCOMPARE(button->text(), QString("시스템 정보..."));
    QCOMPARE(button->toolTip(), QString("시스템 정보 표시"));
  }

  void messageBoxesCarryTitleIconButtonsAndCrLfLines_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::newRow("error") << 0 << "에러" << int(QMessageBox::Critical) << int(QMessageBox::Ok);
    QTest::newRow("information") << 1 << "Velmora" << int(QMessageBox::Information)
                                 << int(QMessageBox::Ok);
    QTest::newRow("question") << 2 << "Velmora" << int(QMessageBox::Question)
                              << int(QMessageBox::Yes | QMessageBox::No);
    QTest::newRow("ok or cancel") << 3 << "Velmora" << int(QMessageBox::Information)
                                  << int(QMessageBox::Ok | QMessageBox::Cancel);
  }
  void messageBoxesCarryTitleIconButtonsAndCrLfLines() {
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    const std::vector<std::string> lines{"첫 줄", "", "[둘째 줄]"};
    const Message message = kind == 0   ? errorMessage(lines)
                            : kind == 1 ? infoMessage(lines)
                            : kind == 2 ? questionMessage(lines)
                                        : Message{kProgramTitle, MessageIcon::Information, lines,
                                                  MessageButtons::OkCancel, false};
    const MessageBoxContent content = messageBoxContent(message);
    QCOMPARE(content.title, title);
    QCOMPARE(int(content.icon), icon);
    QCOMPARE(int(content.buttons), buttons);
    QCOMPARE(content.text, QString("첫 줄\r\n\r\n[둘째 줄]"));
    QCOMPARE(answerOf(QMessageBox::Cancel), MessageAnswer::Cancel);
    QCOMPARE(answerOf(QMessageBox::No), MessageAnswer::No);
  }

  void guardedWorkShowsTheFailureInAnErrorBox() {
    RecordingSink sink;
    QVERIFY(guarded(sink, [] {}));
    QVERIFY(sink.empty());
    bool reachedTheEnd = false;
    QVERIFY(!guarded(sink, [&] {
      throwFileError(ENOENT, "/x/seoul.cly");
      reachedTheEnd = true;
    }));
    QVERIFY(!reachedTheEnd);
    QCOMPARE(sink.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(sink.last().title), QString("에러"));
    QCOMPARE(sink.last().icon, MessageIcon::Error);
    QCOMPARE(joined(sink.last()), QString("파일을 찾을 수 없습니다. (/x/seoul.cly)"));
  }
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
