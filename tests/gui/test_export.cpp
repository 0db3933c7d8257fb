// Results out of the program: every figure saved (PNG, SVG, PDF) and copied
// (PNG and SVG on the clipboard) from its context menu and from the 파일 menu,
// with its caption line; the commands disabled while nothing is drawn; the
// analysis and calculator tables copied and saved; print with no printer ends
// in a PDF file; a failing print or an unwritable target says why; and the
// climate report written from the menu.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "gui/app_info.h"
#include "gui/export_commands.h"
#include "gui/main_window.h"
#include "gui/navigation_pane.h"
#include "gui/pages/frm12.h"
#include "gui/pages/frm13.h"
#include "gui/pages/frm31.h"
#include "gui/pages/monthly_tab.h"
#include "gui/pages/rose_tab.h"
#include "render/figure.h"
#include "render/figure_file.h"
#include "render/korean_font.h"
#include "tests/gui/support/gui_test_support.h"

using namespace vlm;

namespace {

// The program with Seoul loaded and a save dialog that answers with `answer`.
struct Program {
  Program() : state(VLM_PROGRAM_DIR, sink) {
    window = std::make_unique<MainWindow>(state, settings.settings(), printer);
    window->setSaveFileDialog([this](QWidget*, const FileDialogRequest& request) {
      asked << request.title;
      proposed << request.fileName;
      return answer;
    });
    for (Page* page : window->pages()) {
      if (ExportCommands* commands = ExportCommands::of(page)) {
        commands->setSaveFileDialog([this](QWidget*, const FileDialogRequest& request) {
          asked << request.title;
          proposed << request.fileName;
          return answer;
        });
      }
    }
  }

  void loadSeoul() {
    const auto seoul = regionByStem("seoul");
    QVERIFY(seoul.has_value());
    const ClimateChoice choice = builtInChoice(*seoul, VLM_PROGRAM_DIR);
    QVERIFY(LoadClimateYear(state.climate(), choice, state.psychro(), sink));
    const QString path = QString::fromStdString(choice.filePath);
    page<Frm12>("frm12")->setRegion("서울", path);
    page<Frm13>("frm13")->setRegion("서울", path);
    sink.clear();
  }

  template <class T>
  T* page(const char* name) const {
    return qobject_cast<T*>(window->page(name));
  }
  template <class T>
  T* find(const char* page, const QString& name) const {
    return window->page(page)->findChild<T*>(name);
  }
  void press(const char* page, const QString& name) const {
    find<QAbstractButton>(page, name)->click();
  }

  // Draws the figure of one of the five pictures and selects its page and tab.
  QWidget* drawFigure(const QString& widget) {
    if (widget == "pic12aChart") {
      window->navigation()->selectItem("기후분석");
      for (const char* all : {"cmd12aSelectAll", "cmd12a1SA", "cmd12a2SA"}) press("frm12", all);
      press("frm12", "cmd12aDraw");
      return find<QWidget>("frm12", widget);
    }
    window->navigation()->selectItem(widget.startsWith("pic31") ? "태양궤적, 음영평가"
                                                                : "월별 기후표현");
    if (widget == "chart131") {
      press("frm13", "cmd131Draw");
    } else if (widget == "pic132") {
      find<QTabWidget>("frm13", "tab13")->setCurrentIndex(1);
      find<QRadioButton>("frm13", "opt132year")->click();
      press("frm13", "cmd132Draw");
    } else if (widget == "pic31Schart") {
      press("frm31", "cmd31SchartDraw");
    } else if (widget == "pic31SM") {
      auto* tabs = find<QTabWidget>("frm31", "tab31");
      tabs->setCurrentIndex(1);
      find<QRadioButton>("frm31", "opt31SMinputHV")->click();
      const std::pair<const char*, const char*> angles[] = {{"txt31SMinputHVv", "45"},
                                                            {"txt31SMinputHVhw", "30"},
                                                            {"txt31SMinputHVhe", "-30"},
                                                            {"txt31SMinputHVs", "0"}};
      for (const auto& [box, value] : angles) find<QLineEdit>("frm31", box)->setText(value);
      tabs->setCurrentIndex(2);
      press("frm31", "cmd31SMDraw");
    }
    return find<QWidget>(widget.startsWith("pic31") ? "frm31" : "frm13", widget);
  }

  QAction* menu(const char* name) const { return window->findChild<QAction*>(name); }

  QTemporaryDir dir;
  test::TestSettings settings;
  test::PdfPagePrinter printer;
  RecordingSink sink;
  AppState state;
  std::unique_ptr<MainWindow> window;
  std::optional<QString> answer;
  QStringList asked;
  QStringList proposed;  // the names the save dialogs proposed
};

QAction* widgetAction(QWidget* widget, const char* name) {
  for (QAction* action : widget->actions())
    if (action->objectName() == name) return action;
  return nullptr;
}

int pdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const QString content = QString::fromLatin1(file.readAll());
  return static_cast<int>(content.count(QRegularExpression("/Type\\s*/Page[^s]")));
}

// The text layer of a PDF as pdftotext reads it, or nullopt without poppler.
std::optional<QString> pdfText(const QString& path) {
  QProcess process;
  process.start("pdftotext", {path, "-"});
  if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0)
    return std::nullopt;
  return QString::fromUtf8(process.readAllStandardOutput());
}

// Control codes other than line and page breaks: a space that a font shares
// with them reads back as one of them.
bool hasControlCodes(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) {
    return c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\f');
  });
}

const char* const kFigures[] = {"pic12aChart", "chart131", "pic132", "pic31Schart", "pic31SM"};

}  // namespace

class ExportTest : public QObject {
  Q_OBJECT

 private slots:
  // As the program does at start-up.
  void initTestCase() { render::useKoreanFaces(); }

  void everyFigureHasItsContextMenuAndShortcuts_data() {
    QTest::addColumn<QString>("widget");
    for (const char* name : kFigures) QTest::newRow(name) << QString(name);
  }
  void everyFigureHasItsContextMenuAndShortcuts() {
    QFETCH(QString, widget);
    Program p;
    p.loadSeoul();
    const char* page = widget.startsWith("pic31") ? "frm31"
                       : widget == "pic12aChart"  ? "frm12"
                                                  : "frm13";
    auto* target = p.find<QWidget>(page, widget);
    QVERIFY(target != nullptr);
    QCOMPARE(target->contextMenuPolicy(), Qt::ActionsContextMenu);
    QAction* save = widgetAction(target, "mnuFigureSave");
    QAction* copy = widgetAction(target, "mnuFigureCopy");
    QVERIFY(save != nullptr && copy != nullptr);
    QCOMPARE(save->text(), QString("그림 저장..."));
    QCOMPARE(copy->text(), QString("그림 복사"));
    QCOMPARE(save->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(copy->shortcut(), QKeySequence(QKeySequence::Copy));
    // Nothing drawn yet: nothing to export, and no empty file either.
    ExportCommands::of(p.window->page(page))->refresh();
    QVERIFY(!save->isEnabled());
    QVERIFY(!copy->isEnabled());

    p.drawFigure(widget);
    QVERIFY2(p.sink.empty(), p.sink.empty() ? "" : p.sink.last().text().c_str());
    ExportCommands::of(p.window->page(page))->refresh();
    QVERIFY(save->isEnabled());
    QVERIFY(copy->isEnabled());

    // Saved in each format with the caption strip under the picture.
    const auto figure = dynamic_cast<FigureSource*>(p.window->page(page))->currentFigure();
    QVERIFY(figure.has_value());
    QVERIFY(!figure->caption.empty());
    const QSizeF whole = render::captionedSize(*figure);
    p.answer = p.dir.filePath("figure.png");
    save->trigger();
    QImage png(*p.answer);
    QCOMPARE(png.size(), (whole * render::kPngScale).toSize());
    p.answer = p.dir.filePath("figure.svg");
    save->trigger();
    QSvgRenderer svg(*p.answer);
    QVERIFY(svg.isValid());
    if (widget.startsWith("pic31")) {
      // The labels over the diagram leave with it, as texts.
      QFile file(*p.answer);
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QString content = QString::fromUtf8(file.readAll());
      QVERIFY(content.contains("태양고도각 0°") && content.contains("북(±180°)"));
    }
    p.answer = p.dir.filePath("figure.pdf");
    save->trigger();
    QCOMPARE(pdfPages(*p.answer), 1);
    // The caption reads back from the PDF as written, spaces and all.
    if (const auto text = pdfText(*p.answer)) {
      QVERIFY2(text->contains(QString::fromStdString(figure->caption)), qPrintable(*text));
      QVERIFY2(!hasControlCodes(*text), qPrintable(*text));
    }
    QCOMPARE(p.asked.first(), QString("그림 저장"));

    QApplication::clipboard()->clear();
    copy->trigger();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied != nullptr);
    QVERIFY(copied->hasFormat("image/png"));
    QVERIFY(copied->hasFormat("image/svg+xml"));
    QVERIFY(QSvgRenderer(copied->data("image/svg+xml")).isValid());

    // The 파일 menu's commands act on the same figure of the shown page.
    p.window->updateFileCommands();
    QVERIFY(p.menu("mnuSavePicture")->isEnabled() && p.menu("mnuCopyPicture")->isEnabled());
    p.answer = p.dir.filePath("menu.png");
    p.menu("mnuSavePicture")->trigger();
    QCOMPARE(QImage(*p.answer).size(), (whole * render::kPngScale).toSize());
    QApplication::clipboard()->clear();
    p.menu("mnuCopyPicture")->trigger();
    copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied != nullptr && copied->hasFormat("image/png") &&
            copied->hasFormat("image/svg+xml"));
    QVERIFY(p.sink.empty());
  }

  void fileMenuCommandsFollowTheShownPage() {
    Program p;
    QAction* save = p.menu("mnuSavePicture");
    QAction* copy = p.menu("mnuCopyPicture");
    QAction* report = p.menu("mnuReport");
    QVERIFY(save != nullptr && copy != nullptr && report != nullptr);
    QCOMPARE(save->text(), QString("그림 저장..."));
    QCOMPARE(copy->text(), QString("그림 복사"));
    QCOMPARE(report->text(), QString("기후 분석 보고서..."));
    p.window->updateFileCommands();
    QVERIFY(!report->isEnabled());
    p.loadSeoul();
    p.window->updateFileCommands();
    QVERIFY(report->isEnabled());
    p.window->navigation()->selectItem("기후분석");
    p.window->updateFileCommands();
    QVERIFY(!save->isEnabled());
    p.drawFigure("pic12aChart");
    p.window->updateFileCommands();
    QVERIFY(save->isEnabled());
    QVERIFY(copy->isEnabled());
    p.answer = p.dir.filePath("chart");  // no extension: the first format, PNG
    save->trigger();
    QVERIFY(!QImage(p.dir.filePath("chart.png")).isNull());
    QApplication::clipboard()->clear();
    copy->trigger();
    QVERIFY(QApplication::clipboard()->mimeData()->hasFormat("image/svg+xml"));
    // The calculator has no figure.
    p.window->navigation()->selectItem("습공기 상태계산");
    p.window->updateFileCommands();
    QVERIFY(!save->isEnabled());
  }

  // The desktop's save dialog: a name typed without extension is written in
  // the format of the filter chosen, with its suffix; a typed extension decides.
  void aBareNameTakesTheChosenFiltersFormat_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");  // 0 PNG, 1 SVG, 2 PDF
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("PNG") << "sun" << 0 << "sun.png" << QByteArray("\x89PNG");
    QTest::newRow("SVG") << "sun" << 1 << "sun.svg" << QByteArray("<?xml");
    QTest::newRow("PDF") << "sun" << 2 << "sun.pdf" << QByteArray("%PDF");
    QTest::newRow("typed extension") << "sun.png" << 2 << "sun.png" << QByteArray("\x89PNG");
  }
  void aBareNameTakesTheChosenFiltersFormat() {
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, magic);
    // The application's own settings, in Qt's test location.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(kSettingsOrganisation);
    QCoreApplication::setApplicationName(kSettingsApplication);
    Program p;
    p.loadSeoul();
    QWidget* picture = p.drawFigure("pic31Schart");
    ExportCommands* commands = ExportCommands::of(p.window->page("frm31"));
    commands->setSaveFileDialog(systemSaveFileDialog(true));
    commands->refresh();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr || !dialog->isVisible()) return;
      poll.stop();
      dialog->setDirectory(p.dir.path());
      // The filter is picked as the user picks it, from the list.
      auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
      for (int i = 0; i < filter; ++i) QTest::keyClick(types, Qt::Key_Down);
      dialog->findChild<QLineEdit*>("fileNameEdit")->setText(typed);
      QMetaObject::invokeMethod(dialog, "accept");
    });
    poll.start(20);
    widgetAction(picture, "mnuFigureSave")->trigger();
    QVERIFY(p.sink.empty());
    QCOMPARE(QDir(p.dir.path()).entryList(QDir::Files), QStringList{written});
    QFile file(p.dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(magic.size()) == magic);
  }

  void savingOverADirectoryOrIntoAMissingFolderSaysWhyAndKeepsTheFile() {
    Program p;
    p.loadSeoul();
    QWidget* picture = p.drawFigure("pic31Schart");
    ExportCommands::of(p.window->page("frm31"))->refresh();
    QAction* save = widgetAction(picture, "mnuFigureSave");
    const QString existing = p.dir.filePath("kept.png");
    {
      QFile file(existing);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("old");
    }
    QVERIFY(QDir(p.dir.path()).mkdir("folder.png"));
    p.answer = p.dir.filePath("folder.png");
    save->trigger();
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(p.sink.last().title, std::string("에러"));
    p.sink.clear();
    p.answer = p.dir.filePath("no/such/kept.png");
    save->trigger();
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(p.sink.last().title, std::string("에러"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old"));
  }

  void analysisTableCopiesOneRowPerZoneAndSavesCsv() {
    Program p;
    p.loadSeoul();
    p.drawFigure("pic12aChart");
    auto* tabs = p.find<QTabWidget>("frm12", "tab12");
    QWidget* analysis = tabs->widget(1);
    QAction* copy = widgetAction(analysis, "mnuTableCopy");
    QAction* save = widgetAction(analysis, "mnuTableSave");
    QVERIFY(copy != nullptr && save != nullptr);
    QCOMPARE(copy->text(), QString("표 복사"));
    QCOMPARE(save->text(), QString("표 저장..."));
    tabs->setCurrentIndex(1);
    ExportCommands::of(p.window->page("frm12"))->refresh();
    copy->trigger();
    const QStringList lines = QApplication::clipboard()->text().split("\r\n");
    const auto rowOf = [&](const QString& caption) {
      QStringList found;
      for (const QString& line : lines)
        if (line.startsWith(caption + "\t")) found = line.split('\t');
      return found;
    };
    for (const char* zone :
         {"난방 필요", "냉방 필요", "쾌적(그늘 필요)", "제습만 필요", "가습만 필요"}) {
      const QStringList row = rowOf(zone);
      QCOMPARE(row.size(), 4);
      QVERIFY2(row[1].toInt() > 0 || row[1] == "0", zone);
      QVERIFY(row[2].contains('.'));
      QVERIFY(!row[3].isEmpty());
    }
    QCOMPARE(rowOf("단열 (Restrict Conduction)").size(), 4);
    p.answer = p.dir.filePath("analysis.csv");
    save->trigger();
    QFile csv(*p.answer);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QVERIFY(csv.readAll().startsWith("\xEF\xBB\xBF대상지역,서울"));
  }

  void calculatorResultsCopyAsATable() {
    Program p;
    QWidget* output = p.find<QWidget>("frm32", "fra32Output");
    QAction* copy = widgetAction(output, "mnuTableCopy");
    QVERIFY(copy != nullptr);
    ExportCommands::of(p.window->page("frm32"))->refresh();
    QVERIFY(!copy->isEnabled());
    p.find<QCheckBox>("frm32", "chk32IDryBulb")->setChecked(true);
    p.find<QLineEdit>("frm32", "txt32IDryBulb")->setText("25");
    p.find<QCheckBox>("frm32", "chk32IRelHumid")->setChecked(true);
    p.find<QLineEdit>("frm32", "txt32IRelHumid")->setText("50");
    p.press("frm32", "cmd32Calc");
    ExportCommands::of(p.window->page("frm32"))->refresh();
    QVERIFY(copy->isEnabled());
    copy->trigger();
    const QStringList lines = QApplication::clipboard()->text().split("\r\n");
    QCOMPARE(lines.value(0), QString("항목\t값\t단위"));
    QCOMPARE(lines.value(1), QString("건구온도\t25.0\t(℃)"));
    QCOMPARE(lines.value(4), QString("상대습도\t50.0\t(%)"));
  }

  void printWithoutPrinterWritesThePageAsPdf() {
    Program p;
    p.printer.setHasPrinter(false);
    p.loadSeoul();
    p.drawFigure("pic31Schart");
    p.answer = p.dir.filePath("page.pdf");
    p.window->munPrint_Click();
    QCOMPARE(p.printer.dialogs(), 0);
    QCOMPARE(p.asked, QStringList{"PDF 파일로 저장"});
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(
        p.sink.last().text(),
        std::string("설치된 프린터가 없습니다.\r\n\r\n"
                    "[인쇄 대신 현재 화면을 PDF 파일로 저장합니다. 저장할 파일명을 지정하세요.]"));
    QCOMPARE(pdfPages(*p.answer), 1);
    if (const auto text = pdfText(*p.answer)) {
      QVERIFY2(text->contains("태양고도각 0°"), qPrintable(*text));
      QVERIFY2(!hasControlCodes(*text), qPrintable(*text));
    }
    QVERIFY(p.state.printFlags().DiagramPrinted);
  }

  void reportFromTheMenuWritesAVectorPdf() {
    Program p;
    p.loadSeoul();
    p.answer = p.dir.filePath("seoul");
    p.window->mnuReport_Click();
    QCOMPARE(p.asked, QStringList{"기후 분석 보고서 저장"});
    QVERIFY(pdfPages(p.dir.filePath("seoul.pdf")) >= 8);
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(p.sink.last().title, std::string("Velmora"));
  }

  void everySaveDialogProposesRegionPeriodAndKind_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("chart") << "pic12aChart"
                           << "서울_1월1일-12월31일_건물생체기후도";
    QTest::newRow("mask") << "pic31SM"
                          << "위도37.34°_하지-동지_음영마스크(수평수직차양)";
    QTest::newRow("analysis") << "analysis"
                              << "서울_1월1일-12월31일_분석결과.csv";
    QTest::newRow("calculator") << "calculator"
                                << "습공기상태계산.csv";
    QTest::newRow("print") << "print"
                           << "위도37.34°_하지-동지_태양궤적도.pdf";
    QTest::newRow("report") << "report"
                            << "서울_1월1일-12월31일_보고서.pdf";
  }
  void everySaveDialogProposesRegionPeriodAndKind() {
    QFETCH(QString, command);
    QFETCH(QString, proposed);
    Program p;
    p.loadSeoul();
    if (command.startsWith("pic")) {
      QWidget* picture = p.drawFigure(command);
      ExportCommands::of(p.window->page(command.startsWith("pic31") ? "frm31" : "frm12"))
          ->refresh();
      widgetAction(picture, "mnuFigureSave")->trigger();
    } else if (command == "analysis") {
      p.drawFigure("pic12aChart");
      auto* tabs = p.find<QTabWidget>("frm12", "tab12");
      tabs->setCurrentIndex(1);
      ExportCommands::of(p.window->page("frm12"))->refresh();
      widgetAction(tabs->widget(1), "mnuTableSave")->trigger();
    } else if (command == "calculator") {
      p.find<QCheckBox>("frm32", "chk32IDryBulb")->setChecked(true);
      p.find<QLineEdit>("frm32", "txt32IDryBulb")->setText("25");
      p.find<QCheckBox>("frm32", "chk32IRelHumid")->setChecked(true);
      p.find<QLineEdit>("frm32", "txt32IRelHumid")->setText("50");
      p.press("frm32", "cmd32Calc");
      ExportCommands::of(p.window->page("frm32"))->refresh();
      widgetAction(p.find<QWidget>("frm32", "fra32Output"), "mnuTableSave")->trigger();
    } else if (command == "print") {
      p.printer.setHasPrinter(false);
      p.drawFigure("pic31Schart");
      p.window->munPrint_Click();
    } else {
      p.window->mnuReport_Click();
    }
    QCOMPARE(p.proposed.size(), 1);
    QCOMPARE(p.proposed.constFirst(), proposed);
  }

  void reportWithoutRegionIsRefusedBeforeAnyDialog() {
    Program p;
    p.window->mnuReport_Click();
    QVERIFY(p.asked.isEmpty());
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(
        p.sink.last().text(),
        std::string("기후 분석 보고서를 작성할 대상지역이 선택되지 않았습니다.\r\n\r\n"
                    "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]"));
  }
};

QTEST_MAIN(ExportTest)
#include "test_export.moc"
