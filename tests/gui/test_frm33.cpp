// The conversion page: its texts, the two file dialogs, every refusal of the
// names, the question before an existing file is replaced, the validator's
// and the platform's error boxes, and WYEC and EPW files converted and then
// loaded through "기타" on the region page.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/climate/climate_record.h"
#include "core/common/cp949.h"
#include "gui/app_info.h"
#include "gui/app_state.h"
#include "gui/main_window.h"
#include "gui/pages/frm11.h"
#include "gui/pages/frm33.h"
#include "gui/pages/progress_bar.h"
#include "tests/gui/support/gui_test_support.h"

using namespace vlm;

namespace {

constexpr qint64 kClySize = 227760;

// A sink that notes what the page showed when each box came up and answers
// questions from a queue (Yes when it is empty).
class SnapshotSink final : public MessageSink {
 public:
  struct Shot {
    Message message;
    QString status;
    int progress;
  };
  MessageAnswer show(const Message& message) override {
    const auto* label = page != nullptr ? page->findChild<QLabel*>("lbl331") : nullptr;
    const auto* bar = page != nullptr ? page->findChild<ProgressBar*>("prog33Progress") : nullptr;
    shots.push_back(Shot{message, label != nullptr ? label->text() : QString(),
                         bar != nullptr ? bar->value() : -1});
    if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) return MessageAnswer::Yes;
    const MessageAnswer answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  QString text(std::size_t i) const { return QString::fromStdString(shots.at(i).message.text()); }
  QString title(std::size_t i) const { return QString::fromStdString(shots.at(i).message.title); }

  const QWidget* page = nullptr;
  std::vector<Shot> shots;
  std::vector<MessageAnswer> answers;
};

std::string twoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

// The 8760 stamps of a non-leap year: month, day, hour of day.
std::array<int, 3> stampOf(int k) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int day = (k - 1) / 24;
  int month = 0;
  while (day >= kDays[static_cast<std::size_t>(month)])
    day -= kDays[static_cast<std::size_t>(month++)];
  return {month + 1, day + 1, (k - 1) % 24};
}

void put(std::string& line, int firstColumn, const std::string& text) {
  line.replace(static_cast<std::size_t>(firstColumn - 1), text.size(), text);
}

// A WYEC year: 50 °F dry bulb, 45 °F wet bulb, 225° at 10 knots, 29.92 inHg,
// 5 tenths of cloud, 52.3 cal/cm²; `edit` may change line k (1-based).
std::string wyecText(const std::function<void(int, std::string&)>& edit = {}) {
  std::string text;
  for (int k = 1; k <= kHoursPerYear; ++k) {
    std::string line(80, '0');
    put(line, 1, "94846");
    put(line, 6, "050");
    put(line, 9, "045");
    put(line, 15, "225");
    put(line, 18, "010");
    put(line, 21, "2992");
    put(line, 25, "  5");
    put(line, 56, " 523");
    const auto [month, day, hour] = stampOf(k);
    put(line, 74, twoDigits(month) + twoDigits(day) + twoDigits(hour));
    if (edit) edit(k, line);
    text += line + "\r\n";
  }
  return text;
}

// An EPW year of 20 °C, dew point 10 °C, 101325 Pa, 500 Wh/m², wind from the
// south at 3 m/s and half the sky covered.
std::string epwText() {
  std::string text =
      "LOCATION,Testville,SO,KOR,SRC-TMYx,471080,37.57140,126.9658,9.0,87.1\n"
      "DESIGN CONDITIONS,0\nTYPICAL/EXTREME PERIODS,0\nGROUND TEMPERATURES,0\n"
      "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\nCOMMENTS 1,written by the page tests\nCOMMENTS 2,\n"
      "DATA PERIODS,1,1,Data,Sunday,1/ 1,12/31\n";
  for (int k = 1; k <= kHoursPerYear; ++k) {
    const auto [month, day, hour] = stampOf(k);
    text += "2023," + std::to_string(month) + "," + std::to_string(day) + "," +
            std::to_string(hour + 1) +
            ",30,?9?9?9?9E0?9?9?9?9?9?9?9?9?9?9?9*9?9*9*9?9*9,20.0,10.0,53,101325,0,0,300,500,"
            "0,0,0,0,0,0,180,3.0,5,4,9999.0,77777,9,999999999,8,0.0850,0,88,0.180,0.0,0.0\n";
  }
  return text;
}

// An ASOS file in CP949 of station 108 with `hours2015` hours of 2015 at
// 20 °C and the whole of 2016 at 16 °C (29 February included).
// Each line is stamped at the end of its hour, as the weather service writes them.
std::string asosText(int hours2015) {
  std::string text =
      "지점,지점명,일시,기온(°C),기온 QC플래그,풍속(m/s),풍향(16방위),습도(%),"
      "이슬점온도(°C),현지기압(hPa),일사(MJ/m2),전운량(10분위)\r\n";
  const auto add = [&](int year, int hours, const char* temperature) {
    QDateTime at(QDate(year, 1, 1), QTime(1, 0), Qt::UTC);
    for (int i = 0; i < hours; ++i, at = at.addSecs(3600))
      text += "108,서울," + at.toString("yyyy-MM-dd HH:mm").toStdString() + "," + temperature +
              ",,2.0,200,53,10.0,1013.0,,5\r\n";
  };
  add(2015, hours2015, "20.0");
  add(2016, 8784, "16.0");
  return toCp949(text);
}

struct ConversionPage {
  ConversionPage() : state(dir.path(), sink) {
    window = std::make_unique<MainWindow>(state, settings.settings(), printer);
    frm33 = qobject_cast<Frm33*>(window->page("frm33"));
    frm11 = qobject_cast<Frm11*>(window->page("frm11"));
    sink.page = frm33;
  }
  template <class T>
  T* find(const char* name) const {
    T* widget = window->findChild<T*>(name);
    if (widget == nullptr) qFatal("no widget %s", name);
    return widget;
  }
  QString path(const QString& name) const { return dir.filePath(name); }
  void write(const QString& name, const std::string& content) const {
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content.data(), static_cast<qint64>(content.size()));
  }
  void convert(const QString& before, const QString& after) {
    find<QLineEdit>("txt33Before")->setText(before);
    find<QLineEdit>("txt33After")->setText(after);
    find<QAbstractButton>("cmd33Convert")->click();
  }
  void expectIdle() const {
    QCOMPARE(find<ProgressBar>("prog33Progress")->value(), 0);
    QCOMPARE(find<QLabel>("lbl331")->text(), QString());
  }
  // Loads `file` on the region page through "기타".
  void loadAsOther(const QString& file) {
    frm11->setOpenFileDialog([file](QWidget*, const FileDialogRequest&) { return file; });
    sink.page = frm11;
    find<QAbstractButton>("opt11Mis")->click();
    find<QAbstractButton>("cmd11Choose")->click();
    find<QAbstractButton>("cmd11Confirm")->click();
  }

  test::ProgramDir dir;
  test::TestSettings settings;
  test::PdfPagePrinter printer;
  SnapshotSink sink;
  AppState state;
  std::unique_ptr<MainWindow> window;
  Frm33* frm33 = nullptr;
  Frm11* frm11 = nullptr;
};

const QString kNameHeadline =
    QStringLiteral("원본 기후파일명 혹은 변환후 기후파일명이 유효하지 않습니다.");
const QString kCompleted = QStringLiteral("기후파일 변환후 저장이 완료되었습니다.");
const QString kLoadedOther = QStringLiteral(
    "기타 지역의 기후파일 읽기가 완료되었습니다.\r\n기후분석 혹은 월별 기후표현 메뉴로 "
    "이동하세요.");

}  // namespace

class Frm33Test : public QObject {
  Q_OBJECT

 private slots:
  void showsItsCaptionsAndTips() {
    ConversionPage p;
    QCOMPARE(p.frm33->windowTitle(), QString("33-기후파일변환"));
    QCOMPARE(p.find<QLabel>("lbl33Before")->text(), QString("원본 기후파일명(WYEC 혹은 TRY 형식)"));
    QCOMPARE(p.find<QLabel>("lbl33After")->text(),
             QString("변환후 Velmora용 기후파일명(확장자는 반드시 cly로 해야 함, 예 : seoul.cly)"));
    QCOMPARE(p.find<QLineEdit>("txt33Before")->toolTip(), QString("원본 기상파일명입니다."));
    QCOMPARE(p.find<QLineEdit>("txt33After")->toolTip(), QString("변환후 파일명입니다."));
    QCOMPARE(p.find<QAbstractButton>("cmd33Before")->text(), QString("찾아보기..."));
    QCOMPARE(p.find<QAbstractButton>("cmd33Before")->toolTip(), QString("원본 기후파일 선택"));
    QCOMPARE(p.find<QAbstractButton>("cmd33After")->text(), QString("찾아보기..."));
    QCOMPARE(p.find<QAbstractButton>("cmd33After")->toolTip(), QString("변환후 파일명 지정"));
    QCOMPARE(p.find<QAbstractButton>("cmd33Convert")->text(), QString("변환후 저장"));
    QCOMPARE(p.find<QAbstractButton>("cmd33Convert")->toolTip(),
             QString("원본 기후파일=>Velmora용 기후파일"));
    QCOMPARE(p.find<ProgressBar>("prog33Progress")->minimum(), 0);
    QCOMPARE(p.find<ProgressBar>("prog33Progress")->maximum(), 100);
    p.expectIdle();
  }

  void theBrowseButtonsAskForTheirFilesAndACancelKeepsThePath() {
    ConversionPage p;
    std::vector<FileDialogRequest> opened, saved;
    std::optional<QString> answer = QString("/data/seoul.wye");
    p.frm33->setOpenFileDialog([&](QWidget*, const FileDialogRequest& request) {
      opened.push_back(request);
      return answer;
    });
    p.frm33->setSaveFileDialog([&](QWidget*, const FileDialogRequest& request) {
      saved.push_back(request);
      return answer;
    });
    p.find<QAbstractButton>("cmd33Before")->click();
    QCOMPARE(p.find<QLineEdit>("txt33Before")->text(), QString("/data/seoul.wye"));
    answer = QString("/data/seoul.cly");
    p.find<QAbstractButton>("cmd33After")->click();
    QCOMPARE(p.find<QLineEdit>("txt33After")->text(), QString("/data/seoul.cly"));
    answer.reset();
    p.find<QAbstractButton>("cmd33Before")->click();
    p.find<QAbstractButton>("cmd33After")->click();
    QCOMPARE(p.find<QLineEdit>("txt33Before")->text(), QString("/data/seoul.wye"));
    QCOMPARE(p.find<QLineEdit>("txt33After")->text(), QString("/data/seoul.cly"));

    QCOMPARE(opened.size(), std::size_t{2});
    QCOMPARE(saved.size(), std::size_t{2});
    QCOMPARE(opened[0].title, QString("원본 기후파일(WYEC 혹은 TRY 형식) 열기"));
    QCOMPARE(opened[0].directory, QString::fromStdString(p.state.programDir()));
    QCOMPARE(opened[0].filter, QString("WYEC 파일(*.wye);;TRY 파일(*.try);;"
                                       "EPW 파일(*.epw);;ASOS 시간자료(*.csv);;모든 파일(*.*)"));
    QCOMPARE(saved[0].title, QString("변환후 저장할 기후파일명"));
    QCOMPARE(saved[0].directory, QString::fromStdString(p.state.programDir()));
    QCOMPARE(saved[0].filter, QString("Velmora용 기후파일(*.cly);;모든 파일(*.*)"));
    // The target is proposed under the source's name and completed with .cly.
    QCOMPARE(saved[0].fileName, QString("seoul.cly"));
    QCOMPARE(saved[0].suffix, QString("cly"));
    QCOMPARE(opened[0].purpose, QString("ConversionSource"));
    QCOMPARE(saved[0].purpose, QString("ConversionTarget"));
    QVERIFY(p.sink.shots.empty());
  }

  // The desktop's own save dialog: a name typed without extension gets .cly,
  // and the folder is remembered for the next conversion.
  void aTargetTypedWithoutExtensionIsWrittenAsCly() {
    // The application's own settings, in Qt's test location.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(kSettingsOrganisation);
    QCoreApplication::setApplicationName(kSettingsApplication);
    QSettings().remove("Folders");
    ConversionPage p;
    p.frm33->setSaveFileDialog(systemSaveFileDialog(false));
    p.write("seoul.wye", wyecText());
    p.find<QLineEdit>("txt33Before")->setText(p.path("seoul.wye"));
    QString proposed;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr || !dialog->isVisible()) return;
      poll.stop();
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      proposed = name->text();
      dialog->setDirectory(p.path(""));
      name->setText("daegu");
      QMetaObject::invokeMethod(dialog, "accept");
    });
    poll.start(20);
    p.find<QAbstractButton>("cmd33After")->click();
    QCOMPARE(proposed, QString("seoul.cly"));
    QCOMPARE(p.find<QLineEdit>("txt33After")->text(), p.path("daegu.cly"));
    p.find<QAbstractButton>("cmd33Convert")->click();
    QCOMPARE(QFileInfo(p.path("daegu.cly")).size(), kClySize);
    const QString remembered = QSettings().value("Folders/ConversionTarget").toString();
    QCOMPARE(QFileInfo(remembered).canonicalFilePath(), QFileInfo(p.path("")).canonicalFilePath());
  }

  void aRememberedFolderThatIsGoneGivesWayToHome() {
    test::TestSettings settings;
    const FileDialogRequest request{"", "/program", "", "ConversionTarget", "", "cly"};
    QCOMPARE(startFolder(settings.settings(), request), QString("/program"));
    QTemporaryDir dir;
    rememberFolder(settings.settings(), request, dir.filePath("seoul.cly"));
    QCOMPARE(startFolder(settings.settings(), request), dir.path());
    QCOMPARE(settings.settings().childGroups(), QStringList{"Folders"});
    dir.remove();
    QCOMPARE(startFolder(settings.settings(), request), QDir::homePath());
  }

  void badNamesAreRefusedBeforeAnyFileIsTouched_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("rule");
    const QString unnamed = "[원본 기후파일명 혹은 변환후 기후파일명이 지정되지 않았습니다.]";
    const QString same = "[원본 기후파일명과 변환후 기후파일명이 같습니다.]";
    const QString extension = "[변환후 기후파일명의 확장자가 cly가 아닙니다.]";
    QTest::newRow("no source") << ""
                               << "out.cly" << unnamed;
    QTest::newRow("no target") << "src.wye"
                               << "" << unnamed;
    QTest::newRow("neither") << ""
                             << "" << unnamed;
    QTest::newRow("same name") << "same.cly"
                               << "same.cly" << same;
    QTest::newRow("capital extension") << "src.wye"
                                       << "out.CLY" << extension;
    QTest::newRow("other extension") << "src.wye"
                                     << "out.txt" << extension;
    QTest::newRow("no extension") << "src.wye"
                                  << "outcly." << extension;
  }
  void badNamesAreRefusedBeforeAnyFileIsTouched() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, rule);
    ConversionPage p;
    p.write("src.wye", wyecText());
    const auto named = [&](const QString& name) { return name.isEmpty() ? name : p.path(name); };
    p.convert(named(before), named(after));
    QCOMPARE(p.sink.shots.size(), std::size_t{1});
    QCOMPARE(p.sink.title(0), QString("에러"));
    QCOMPARE(p.sink.shots[0].message.icon, MessageIcon::Error);
    QCOMPARE(p.sink.text(0), kNameHeadline + "\r\n" + rule);
    QCOMPARE(QDir(p.dir.filePath("")).entryList(QDir::Files), QStringList{"src.wye"});
    p.expectIdle();
  }

  void decliningTheReplacementWritesNothing() {
    ConversionPage p;
    p.write("src.wye", wyecText());
    p.write("out.cly", "kept as it was");
    p.sink.answers = {MessageAnswer::No};
    p.convert(p.path("src.wye"), p.path("out.cly"));
    QCOMPARE(p.sink.shots.size(), std::size_t{1});
    const Message& question = p.sink.shots[0].message;
    QCOMPARE(p.sink.title(0), QString("변환후 저장할 기후파일명"));
    QCOMPARE(question.icon, MessageIcon::Exclamation);
    QCOMPARE(question.buttons, MessageButtons::YesNo);
    QCOMPARE(p.sink.text(0), p.path("out.cly") +
                                 "\r\n같은 이름의 파일이 이미 존재합니다.\r\n"
                                 "기존 파일을 이 파일로 대체하겠습니까?");
    QFile kept(p.path("out.cly"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept as it was"));
    p.expectIdle();
  }

  void replacingALargerFileLeavesExactlyOneYear() {
    ConversionPage p;
    p.write("src.wye", wyecText());
    p.write("out.cly", std::string(300000, 'x'));
    p.convert(p.path("src.wye"), p.path("out.cly"));
    QCOMPARE(p.sink.shots.size(), std::size_t{2});
    QCOMPARE(p.sink.shots[0].message.buttons, MessageButtons::YesNo);
    QCOMPARE(p.sink.text(1), kCompleted);
    QCOMPARE(QFileInfo(p.path("out.cly")).size(), kClySize);
  }

  void aSourceThatIsNotWyecIsRefused() {
    ConversionPage p;
    p.write("src.wye", wyecText([](int k, std::string& line) {
              if (k == 3) line.pop_back();
            }));
    p.convert(p.path("src.wye"), p.path("out.cly"));
    QCOMPARE(p.sink.shots.size(), std::size_t{1});
    QCOMPARE(p.sink.title(0), QString("에러"));
    QCOMPARE(p.sink.text(0),
             QString("원본 파일이 WYEC(혹은 TRY) 형식의 파일이 아닙니다.\r\n[행길이(80열) 위반]"));
    QVERIFY(!QFile::exists(p.path("out.cly")));
    p.expectIdle();
  }

  void aFieldThatIsNoNumberStopsTheConversionAndWritesNothing() {
    ConversionPage p;
    p.write("src.wye", wyecText([](int k, std::string& line) {
              if (k == 5) put(line, 6, "   ");
            }));
    p.write("out.cly", "kept as it was");
    p.convert(p.path("src.wye"), p.path("out.cly"));
    QCOMPARE(p.sink.shots.size(), std::size_t{2});
    QCOMPARE(p.sink.title(1), QString("에러"));
    QCOMPARE(p.sink.text(1), QString("원본 파일의 5행을 변환할 수 없습니다.\r\n"
                                     "[6~8열(건구온도)의 값이 숫자가 아닙니다.]"));
    // No half-written year replaces the file that was there.
    QFile kept(p.path("out.cly"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept as it was"));
    p.expectIdle();
  }

  void aMissingSourceGivesThePlatformsDescription() {
    ConversionPage p;
    p.convert(p.path("absent.wye"), p.path("out.cly"));
    QCOMPARE(p.sink.shots.size(), std::size_t{1});
    QCOMPARE(p.sink.title(0), QString("에러"));
    QCOMPARE(p.sink.shots[0].message.icon, MessageIcon::Error);
    QCOMPARE(p.sink.text(0), "파일을 찾을 수 없습니다. (" + p.path("absent.wye") + ")");
    QVERIFY(!QFile::exists(p.path("out.cly")));
    p.expectIdle();
  }

  void aWyecFileIsConvertedAndLoadsAsAnotherRegion() {
    ConversionPage p;
    p.write("seoul.wye", wyecText([](int k, std::string& line) {
              if (k == 2) put(line, 6, "999");    // missing dry bulb stays a marker
              if (k == 3) put(line, 21, "9999");  // so does a missing pressure
            }));
    std::vector<int> percents;
    QObject::connect(p.find<ProgressBar>("prog33Progress"), &QProgressBar::valueChanged,
                     [&](int value) { percents.push_back(value); });
    p.convert(p.path("seoul.wye"), p.path("seoul.cly"));
    QCOMPARE(p.sink.shots.size(), std::size_t{1});
    QCOMPARE(p.sink.title(0), QString("Velmora"));
    QCOMPARE(p.sink.shots[0].message.icon, MessageIcon::Information);
    QCOMPARE(p.sink.text(0), kCompleted);
    // The box comes up while the bar is full and the label says what is done.
    QCOMPARE(p.sink.shots[0].progress, 100);
    QCOMPARE(p.sink.shots[0].status, QString("기후파일 변환후 저장중..."));
    p.expectIdle();
    // The bar climbed through every percent and went back to 0.
    QCOMPARE(percents.size(), std::size_t{101});
    for (std::size_t i = 0; i + 1 < percents.size(); ++i) QCOMPARE(percents[i], int(i + 1));
    QCOMPARE(percents.back(), 0);
    QCOMPARE(QFileInfo(p.path("seoul.cly")).size(), kClySize);

    p.sink.shots.clear();
    p.loadAsOther(p.path("seoul.cly"));
    QCOMPARE(p.sink.shots.size(), std::size_t{1});
    QCOMPARE(p.sink.text(0), kLoadedOther);
    const ClimateData& climate = p.state.climate();
    QCOMPARE(climate.RegionName, std::string("기타"));
    const HourRecord& first = climate.year[1];
    QCOMPARE(first.RecIndex, int16_t{124});
    QCOMPARE(first.DBT, 10.0f);
    QCOMPARE(first.WBT, static_cast<float>((45.0 - 32.0) * 5.0 / 9.0));
    QCOMPARE(first.WindDir, int16_t{225});
    QCOMPARE(first.WindSpeed, static_cast<float>(10.0 * 0.5144444));
    QCOMPARE(first.Pressure, static_cast<float>(2992.0 * 0.03386388));
    QCOMPARE(first.Cloud, int16_t{5});
    QCOMPARE(first.Radiation, 523.0f);
    QCOMPARE(climate.year[2].DBT, 999.0f);
    QCOMPARE(climate.year[3].Pressure, 9999.0f);
    QCOMPARE(climate.year[kHoursPerYear].RecIndex, int16_t{8883});
    QCOMPARE(p.find<QLabel>("lbl12c15")->text(), p.path("seoul.cly"));
    QCOMPARE(p.find<QGroupBox>("fra12aDrawOption")->title(),
             QString("그림종류 선택(대상지역 : 기타)"));
  }

  // Picking an ASOS file lists its station-years with their hours, the most
  // hours chosen; the chosen one is converted and the box says which it was.
  void anAsosStationYearIsChosenConvertedAndLoaded() {
    ConversionPage p;
    p.write("seoul.csv", asosText(8000));
    p.frm33->setOpenFileDialog(
        [&](QWidget*, const FileDialogRequest&) { return p.path("seoul.csv"); });
    auto* choice = p.find<QComboBox>("cbo33Station");
    QVERIFY(!choice->isEnabled());
    p.find<QAbstractButton>("cmd33Before")->click();
    QVERIFY(choice->isEnabled());
    QCOMPARE(choice->count(), 2);
    QCOMPARE(choice->itemText(0), QString("108 서울 2015년 (8000시간)"));
    QCOMPARE(choice->itemText(1), QString("108 서울 2016년 (8760시간)"));
    QCOMPARE(choice->currentIndex(), 1);

    choice->setCurrentIndex(0);
    p.convert(p.path("seoul.csv"), p.path("seoul.cly"));
    QCOMPARE(p.sink.shots.size(), std::size_t{1});
    QCOMPARE(p.sink.text(0), kCompleted +
                                 "\r\n지점: 108 서울, 2015년 (8000시간)"
                                 "\r\n결측 시간 수: 건구온도 760, 습구온도 760, 기압 760, "
                                 "풍향 760, 풍속 760, 운량 760, 일사량 8760");
    p.expectIdle();
    p.sink.shots.clear();
    p.loadAsOther(p.path("seoul.cly"));
    QCOMPARE(p.sink.text(0), kLoadedOther);
    QCOMPARE(p.state.climate().year[1].DBT, 20.0f);
    QCOMPARE(p.state.climate().year[1].WindDir, int16_t{203});
    QCOMPARE(p.state.climate().year[8001].DBT, 999.0f);

    // Another source empties the choice.
    p.frm33->setOpenFileDialog(
        [&](QWidget*, const FileDialogRequest&) { return p.path("seoul.wye"); });
    p.find<QAbstractButton>("cmd33Before")->click();
    QCOMPARE(choice->count(), 0);
    QVERIFY(!choice->isEnabled());
  }

  void anEpwFileIsConvertedAndLoadsAsAnotherRegion() {
    ConversionPage p;
    p.write("station.epw", epwText());
    p.convert(p.path("station.epw"), p.path("station.cly"));
    QCOMPARE(p.sink.shots.size(), std::size_t{1});
    QCOMPARE(p.sink.title(0), QString("Velmora"));
    QCOMPARE(p.sink.text(0), kCompleted + "\r\n관측소: Testville (위도 37.5714°, 표고 87.1 m)");
    p.expectIdle();
    QCOMPARE(QFileInfo(p.path("station.cly")).size(), kClySize);

    p.sink.shots.clear();
    p.loadAsOther(p.path("station.cly"));
    QCOMPARE(p.sink.shots.size(), std::size_t{1});
    QCOMPARE(p.sink.text(0), kLoadedOther);
    const HourRecord& first = p.state.climate().year[1];
    QCOMPARE(first.RecIndex, int16_t{124});
    QCOMPARE(first.DBT, 20.0f);
    QVERIFY(first.WBT > 10.0f && first.WBT < 20.0f);
    QCOMPARE(first.Pressure, 101.325f);
    QCOMPARE(first.WindDir, int16_t{180});
    QCOMPARE(first.WindSpeed, 3.0f);
    QCOMPARE(first.Cloud, int16_t{5});
    // 500 Wh/m² is 43.0 cal/cm², kept in tenths.
    QCOMPARE(first.Radiation, 430.0f);
    QCOMPARE(p.find<QLabel>("lbl131e")->text(), p.path("station.cly"));
  }
};

QTEST_MAIN(Frm33Test)
#include "test_frm33.moc"
