// frmMainDE, the one main window: the navigation pane with every page, the
// menus (print, exit, toolbar and status-bar switches, window restore), the
// status bar, and the geometry and switches kept in the per-user settings.
#pragma once

#include <QMainWindow>
#include <QString>
#include <vector>

#include "gui/app_state.h"
#include "gui/file_dialogs.h"
#include "gui/report_pages_dialog.h"

class QAction;
class QSettings;

namespace vlm {

class NavigationPane;
class Page;
class PagePrinter;
class Frm1;
class Frm11;
class Frm12;
class Frm13;
class Frm14;
class Frm31;
class Frm32;
class Frm33;
class Frm43;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The settings and the printer must outlive the window; the settings are
  // read here and written when the window closes.
  MainWindow(AppState& state, QSettings& settings, PagePrinter& printer, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The menu commands, as the menu items run them.
  void munPrint_Click();
  void mnuSavePicture_Click();
  void mnuCopyPicture_Click();
  void mnuReport_Click();
  // Enables the picture commands while the shown page has a figure drawn and
  // the report once a region is loaded (also done as the 파일 menu opens).
  void updateFileCommands();
  // The save dialog of the print-to-PDF and report commands; tests replace it.
  void setSaveFileDialog(FileDialog dialog) { saveFile_ = std::move(dialog); }
  // The report dialog choosing the report's pages; tests replace it.
  void setReportPagesDialog(ReportPagesAsk ask) { askReportPages_ = std::move(ask); }
  void munExit_Click();
  void mnuViewToolBar_Click();
  void mnuViewStatusBar_Click();
  void mnuWin_Click();

  [[nodiscard]] NavigationPane* navigation() const { return navigation_; }
  // The pages in the order they were created: frm1, frm11, … frm43.
  [[nodiscard]] const std::vector<Page*>& pages() const { return pages_; }
  [[nodiscard]] Page* page(const QString& formName) const;
  // The screen whose size gives the default geometry.
  [[nodiscard]] static QRect screenGeometry();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createPages();
  void createMenus();
  void buildNavigationTree();
  void applyToolBarSwitch(bool on);
  void applyStatusBarSwitch(bool on);
  void fitPaneWidth();
  void onItemSelected(const QString& text);
  void saveSettings();
  [[nodiscard]] Page* shownPage() const;
  void printToPdf(Page& target);

  AppState& state_;
  QSettings& settings_;
  PagePrinter& printer_;
  NavigationPane* navigation_;
  QAction* toolBarAction_ = nullptr;
  QAction* statusBarAction_ = nullptr;
  QAction* savePictureAction_ = nullptr;
  QAction* copyPictureAction_ = nullptr;
  QAction* reportAction_ = nullptr;
  FileDialog saveFile_;
  ReportPagesAsk askReportPages_;
  std::vector<Page*> pages_;
  Frm1* frm1_ = nullptr;
  Frm11* frm11_ = nullptr;
  Frm12* frm12_ = nullptr;
  Frm13* frm13_ = nullptr;
  Frm14* frm14_ = nullptr;
};

}  // namespace vlm
