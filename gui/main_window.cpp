#include "gui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTreeWidgetItem>
#include <QUrl>
#include <chrono>

#include "core/report/figure_caption.h"
#include "core/report/report_content.h"
#include "gui/app_info.h"
#include "gui/export_commands.h"
#include "gui/figure_source.h"
#include "gui/guarded.h"
#include "gui/navigation_pane.h"
#include "gui/page_printer.h"
#include "gui/pages/frm1.h"
#include "gui/pages/frm11.h"
#include "gui/pages/frm12.h"
#include "gui/pages/frm13.h"
#include "gui/pages/frm14.h"
#include "gui/pages/frm15.h"
#include "gui/pages/frm16.h"
#include "gui/pages/frm31.h"
#include "gui/pages/frm32.h"
#include "gui/pages/frm33.h"
#include "gui/pages/frm43.h"
#include "gui/shell_messages.h"
#include "gui/window_settings.h"
#include "render/climate_report_pdf.h"

namespace vlm {
namespace {

// The texts of the navigation items; they are also the keys of the print command.
const QString kGroupDesign = QStringLiteral("자연형 기후설계 자료");
const QString kGroupExtra = QStringLiteral("추가기능");
const QString kGroupHelp = QStringLiteral("도움말");
const QString kUsage = QStringLiteral("사용법");
const QString kHomePage = QStringLiteral("인터넷 홈페이지");

}  // namespace

MainWindow::MainWindow(AppState& state, QSettings& settings, PagePrinter& printer, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      settings_(settings),
      printer_(printer),
      navigation_(new NavigationPane(this)),
      saveFile_(systemSaveFileDialog(true)),
      askReportPages_(systemReportPagesDialog()) {
  setObjectName("frmMainDE");
  setWindowTitle("Velmora");
  navigation_->setObjectName("PVExplorer1");
  setCentralWidget(navigation_);
  statusBar()->setObjectName("StatusBar1");
  statusBar()->setSizeGripEnabled(true);

  // 1. Geometry from the settings, falling back to 90 % of the screen, centred.
  const QRect screen = screenGeometry();
  const QScreen* primary = QGuiApplication::primaryScreen();
  const QRect desktop = primary != nullptr ? primary->virtualGeometry() : screen;
  const QRect geometry = readWindowGeometry(settings_, screen, desktop);
  move(geometry.topLeft());
  resize(geometry.size());

  // 2. Every page, hidden, in this order; each runs its load work as it is made.
  createPages();
  // 3. Nothing has been printed yet.
  state_.printFlags() = PrintFlags{};
  // 4, 5. Menus with the two switches as stored.
  createMenus();
  applyToolBarSwitch(readToolBarSwitch(settings_));
  applyStatusBarSwitch(readStatusBarSwitch(settings_));
  // 6. The navigation tree, groups expanded; the first group is shown first.
  buildNavigationTree();
  connect(navigation_, &NavigationPane::itemSelected, this, &MainWindow::onItemSelected);
  navigation_->selectItem(kGroupDesign);
}

MainWindow::~MainWindow() {
  // The pages are unloaded before the window, the most recently created first.
  for (auto it = pages_.rbegin(); it != pages_.rend(); ++it) delete *it;
  pages_.clear();
}

QRect MainWindow::screenGeometry() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

void MainWindow::createPages() {
  frm1_ = new Frm1(state_, nullptr);
  frm11_ = new Frm11(state_, nullptr);
  frm12_ = new Frm12(state_, nullptr);
  frm13_ = new Frm13(state_, nullptr);
  frm14_ = new Frm14(state_, nullptr);
  auto* frm15 = new Frm15(state_, nullptr);
  auto* frm16 = new Frm16(state_, nullptr);
  auto* frm31 = new Frm31(state_, nullptr);
  auto* frm32 = new Frm32(state_, nullptr);
  auto* frm33 = new Frm33(state_, nullptr);
  auto* frm43 = new Frm43(state_, nullptr);
  // They stay unshown until the navigation pane hosts them; only the page of
  // the selected item is ever on show.
  pages_ = {frm1_, frm11_, frm12_, frm13_, frm14_, frm15, frm16, frm31, frm32, frm33, frm43};
  // The region page writes the loaded region into the analysis and graph pages.
  connect(frm11_, &Frm11::regionPublished, frm12_, &Frm12::setRegion);
  connect(frm11_, &Frm11::regionPublished, frm13_, &Frm13::setRegion);
  connect(frm11_, &Frm11::regionPublished, frm14_, &Frm14::setRegion);
  connect(frm11_, &Frm11::regionPublished, frm15, &Frm15::setRegion);
  connect(frm11_, &Frm11::regionPublished, frm16, &Frm16::setRegion);
  connect(frm11_, &Frm11::regionPublished, frm31, &Frm31::setRegion);
}

void MainWindow::createMenus() {
  QMenu* file = menuBar()->addMenu("파일");
  file->setObjectName("mnuFile");
  file->menuAction()->setObjectName("mnuFile");
  QAction* print = file->addAction("인쇄");
  print->setObjectName("munPrint");
  connect(print, &QAction::triggered, this, &MainWindow::munPrint_Click);
  savePictureAction_ = file->addAction(kSavePictureText);
  savePictureAction_->setObjectName("mnuSavePicture");
  connect(savePictureAction_, &QAction::triggered, this, &MainWindow::mnuSavePicture_Click);
  copyPictureAction_ = file->addAction(kCopyPictureText);
  copyPictureAction_->setObjectName("mnuCopyPicture");
  connect(copyPictureAction_, &QAction::triggered, this, &MainWindow::mnuCopyPicture_Click);
  reportAction_ = file->addAction("기후 분석 보고서...");
  reportAction_->setObjectName("mnuReport");
  connect(reportAction_, &QAction::triggered, this, &MainWindow::mnuReport_Click);
  connect(file, &QMenu::aboutToShow, this, &MainWindow::updateFileCommands);
  QAction* divider = file->addSeparator();
  divider->setObjectName("mnuDivide1");
  QAction* exit = file->addAction("종료");
  exit->setObjectName("munExit");
  connect(exit, &QAction::triggered, this, &MainWindow::munExit_Click);

  QMenu* view = menuBar()->addMenu("보기");
  view->setObjectName("mnuView");
  view->menuAction()->setObjectName("mnuView");
  toolBarAction_ = view->addAction("툴바");
  toolBarAction_->setObjectName("mnuViewToolBar");
  toolBarAction_->setCheckable(true);
  // The handlers invert the mark themselves, as the menu items of this window do.
  connect(toolBarAction_, &QAction::triggered, this, [this] {
    toolBarAction_->setChecked(!toolBarAction_->isChecked());
    mnuViewToolBar_Click();
  });
  statusBarAction_ = view->addAction("상태바");
  statusBarAction_->setObjectName("mnuViewStatusBar");
  statusBarAction_->setCheckable(true);
  connect(statusBarAction_, &QAction::triggered, this, [this] {
    statusBarAction_->setChecked(!statusBarAction_->isChecked());
    mnuViewStatusBar_Click();
  });

  QAction* restore = menuBar()->addAction("창 복원");
  restore->setObjectName("mnuWin");
  connect(restore, &QAction::triggered, this, &MainWindow::mnuWin_Click);
}

void MainWindow::buildNavigationTree() {
  const QString help = QString::fromStdString(state_.programDir()) + "/help/";
  QTreeWidgetItem* design = navigation_->addGroup(kGroupDesign, frm1_);
  navigation_->addPageLeaf(design, "지역선택", frm11_);
  navigation_->addPageLeaf(design, "기후분석", frm12_);
  navigation_->addPageLeaf(design, "월별 기후표현", frm13_);
  navigation_->addPageLeaf(design, "기후 심화분석", frm14_);
  navigation_->addPageLeaf(design, "일사 분석", page("frm15"));
  navigation_->addPageLeaf(design, "열쾌적 분석", page("frm16"));
  QTreeWidgetItem* extra = navigation_->addGroup(kGroupExtra, frm1_);
  navigation_->addPageLeaf(extra, "태양궤적, 음영평가", page("frm31"));
  navigation_->addPageLeaf(extra, "습공기 상태계산", page("frm32"));
  navigation_->addPageLeaf(extra, "기후파일 변환", page("frm33"));
  QTreeWidgetItem* helpGroup = navigation_->addGroup(kGroupHelp, frm1_);
  navigation_->addWebLeaf(helpGroup, kUsage, QUrl::fromLocalFile(help + "helpindex.htm"));
  navigation_->addWebLeaf(helpGroup, kHomePage, QUrl::fromLocalFile(help + "homeindex.htm"));
  navigation_->addPageLeaf(helpGroup, "프로그램 정보", page("frm43"));
}

Page* MainWindow::page(const QString& formName) const {
  for (Page* p : pages_)
    if (p->objectName() == formName) return p;
  return nullptr;
}

void MainWindow::applyToolBarSwitch(bool on) {
  toolBarAction_->setChecked(on);
  navigation_->setToolBarVisible(on);
}

void MainWindow::applyStatusBarSwitch(bool on) {
  statusBarAction_->setChecked(on);
  statusBar()->setVisible(on);
}

void MainWindow::fitPaneWidth() {
  // The tree takes a fifth of the pane (the control's width / 75, in twips).
  navigation_->setPaneWidth(static_cast<int>(navigation_->width() * kTwipsPerPixel / 75.0));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  fitPaneWidth();
}

void MainWindow::onItemSelected(const QString& text) {
  updateFileCommands();
  if (frm1_->showGroup(text)) {
    statusBar()->showMessage(text);
    return;
  }
  const QWidget* shown = navigation_->pageOf(text);
  statusBar()->showMessage(shown != nullptr ? shown->windowTitle() : text);
}

void MainWindow::munPrint_Click() {
  const QString text = navigation_->selectedText();
  if (text == kUsage || text == kHomePage) {
    state_.sink().show(printHelpAdvice());
    return;
  }
  auto* target = qobject_cast<Page*>(navigation_->pageOf(text));
  if (target == nullptr) return;
  if (!printer_.hasPrinter()) {
    printToPdf(*target);
    return;
  }
  const std::optional<int> copies = printer_.askCopies(this);
  if (!copies.has_value()) return;
  // The analysis, wind-rose and sun-path pages keep their drawings in the
  // pictures' persistent images and set their print flags before printing.
  target->keepDrawingsForPrint();
  // A failure ends the command with the reason; the remaining copies are not printed.
  guarded(state_.sink(), [&] {
    if (!printer_.print(*target, *copies)) state_.sink().show(printFailed());
  });
}

void MainWindow::printToPdf(Page& target) {
  state_.sink().show(noPrinterPdfNotice());
  // Named after the figure on show, else after the page.
  const auto* source = dynamic_cast<const FigureSource*>(&target);
  const std::optional<render::Figure> figure =
      source != nullptr ? source->currentFigure() : std::nullopt;
  const std::string caption =
      figure ? figure->caption : FormCaptionKind(target.windowTitle().toStdString());
  const std::optional<QString> path = saveFile_(
      this,
      FileDialogRequest{"PDF 파일로 저장", QDir::homePath(), qtFileFilter("PDF 문서(*.pdf)|*.pdf"),
                        "Report", QString::fromStdString(CaptionFileName(caption, "pdf")), "pdf"});
  if (!path) return;
  target.keepDrawingsForPrint();
  guarded(state_.sink(), [&] { printPageToPdf(target, path->toStdString()); });
}

Page* MainWindow::shownPage() const {
  return qobject_cast<Page*>(navigation_->pageOf(navigation_->selectedText()));
}

void MainWindow::updateFileCommands() {
  const Page* page = shownPage();
  const auto* source = dynamic_cast<const FigureSource*>(page);
  const bool figure = source != nullptr && source->currentFigure().has_value();
  savePictureAction_->setEnabled(figure);
  copyPictureAction_->setEnabled(figure);
  reportAction_->setEnabled(state_.climate().loaded());
}

void MainWindow::mnuSavePicture_Click() {
  Page* page = shownPage();
  const auto* source = dynamic_cast<const FigureSource*>(page);
  ExportCommands* commands = ExportCommands::of(page);
  if (source == nullptr || commands == nullptr) return;
  commands->saveFigure(source->currentFigure());
}

void MainWindow::mnuCopyPicture_Click() {
  Page* page = shownPage();
  const auto* source = dynamic_cast<const FigureSource*>(page);
  ExportCommands* commands = ExportCommands::of(page);
  if (source == nullptr || commands == nullptr) return;
  commands->copyFigure(source->currentFigure());
}

void MainWindow::mnuReport_Click() {
  // The period of the analysis page's last drawing, else the whole year.
  const bool period = frm12_->periodStart() > 0 && frm12_->periodEnd() > 0;
  const int16_t start = period ? frm12_->periodStart() : int16_t{1};
  const int16_t end = period ? frm12_->periodEnd() : int16_t{kHoursPerYear};
  const QString version =
      QString("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
  if (!state_.climate().loaded()) {
    state_.sink().show(ClimateReportNoRegionMessage());
    return;
  }
  const std::optional<ReportPageSet> pages = askReportPages_(this);
  if (!pages) return;
  std::optional<ReportContent> content;
  if (!guarded(state_.sink(),
               [&] {
                 content = BuildReportContent(state_.climate(), ReportSourceOf(state_.climate()),
                                              start, end, IsoDate(std::chrono::system_clock::now()),
                                              version.toStdString(), state_.psychro(),
                                              state_.sink(), *pages);
               }) ||
      !content)
    return;
  const std::string name =
      CaptionFileName(ClimateReportCaption(content->source.region, content->periodText), "pdf");
  std::optional<QString> path =
      saveFile_(this, FileDialogRequest{"기후 분석 보고서 저장", QDir::homePath(),
                                        qtFileFilter("PDF 문서(*.pdf)|*.pdf"), "Report",
                                        QString::fromStdString(name), "pdf"});
  if (!path) return;
  if (QFileInfo(*path).suffix().isEmpty()) *path += ".pdf";
  QProgressDialog progress("기후 분석 보고서 작성중...", QString(), 0,
                           render::reportPageCount(*content), this);
  progress.setObjectName("dlgReportProgress");
  progress.setWindowTitle("기후 분석 보고서");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  const bool written = guarded(state_.sink(), [&] {
    render::writeClimateReport(*content, path->toStdString(),
                               [&progress](int page, int) { progress.setValue(page - 1); });
  });
  progress.setValue(progress.maximum());
  if (written) state_.sink().show(reportWritten(path->toStdString()));
}

void MainWindow::munExit_Click() { close(); }

void MainWindow::mnuViewToolBar_Click() {
  toolBarAction_->setChecked(!toolBarAction_->isChecked());
  navigation_->setToolBarVisible(toolBarAction_->isChecked());
}

void MainWindow::mnuViewStatusBar_Click() {
  statusBarAction_->setChecked(!statusBarAction_->isChecked());
  statusBar()->setVisible(statusBarAction_->isChecked());
}

void MainWindow::mnuWin_Click() {
  if (state_.sink().show(restoreWindowQuestion()) != MessageAnswer::Ok) return;
  if (isMaximized() || isMinimized()) {
    state_.sink().show(restoreWindowRefused());
    return;
  }
  const QRect geometry = defaultWindowGeometry(screenGeometry());
  move(geometry.topLeft());
  resize(geometry.size());
  fitPaneWidth();
  if (!toolBarAction_->isChecked()) applyToolBarSwitch(true);
  if (!statusBarAction_->isChecked()) applyStatusBarSwitch(true);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  saveSettings();
  QMainWindow::closeEvent(event);
}

void MainWindow::saveSettings() {
  // A minimised window keeps the geometry stored before; a maximised one is
  // stored as it is.
  if (!isMinimized()) writeWindowGeometry(settings_, QRect(pos(), size()));
  writeToolBarSwitch(settings_, toolBarAction_->isChecked());
  writeStatusBarSwitch(settings_, statusBarAction_->isChecked());
  settings_.sync();
}

}  // namespace vlm
