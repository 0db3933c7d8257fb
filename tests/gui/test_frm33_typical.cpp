// The conversion page's typical year: the option and its captions, several
// ASOS files of one station picked at once with their station listed, the
// year built and the completion box naming the station, the years and each
// month's year; a refusal writes nothing.
#include <QAbstractButton>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <fstream>

#include "gui/app_state.h"
#include "gui/pages/frm33.h"
#include "gui/pages/frm33_typical.h"
#include "tests/gui/support/gui_test_support.h"

using namespace vlm;

namespace {

// A year of station `station` from 1 January 01:00, each line stamped at the
// end of its hour; the dry bulb is `temperature` throughout.
std::string asosYear(int year, const char* station, const char* temperature) {
  std::string text =
      "지점,지점명,일시,기온(°C),풍속(m/s),풍향(16방위),습도(%),이슬점온도(°C),현지기압(hPa),"
      "전운량(10분위)\n";
  QDateTime at(QDate(year, 1, 1), QTime(1, 0), Qt::UTC);
  for (; at <= QDateTime(QDate(year + 1, 1, 1), QTime(0, 0), Qt::UTC); at = at.addSecs(3600))
    text += std::string(station) + "," + at.toString("yyyy-MM-dd HH:mm").toStdString() + "," +
            temperature + ",2.0,200,53,,1013.0,5\n";
  return text;
}

struct TypicalPage {
  TypicalPage() : state(dir.path(), sink), page(state, nullptr) {}
  // A widget of the page by its object name (a missing one fails the test where it is used).
  template <class T>
  T* find(const char* name) const {
    return page.findChild<T*>(name);
  }
  QString path(const QString& name) const { return dir.filePath(name); }
  void write(const QString& name, const std::string& content) const {
    std::ofstream(path(name).toStdString(), std::ios::binary) << content;
  }
  void pick(const QStringList& names) {
    QStringList paths;
    for (const QString& name : names) paths << path(name);
    page.typicalYear()->setOpenFilesDialog(
        [paths](QWidget*, const FileDialogRequest&) { return paths; });
    find<QAbstractButton>("cmd33Before")->click();
  }

  test::ProgramDir dir;
  test::TestSettings settings;
  RecordingSink sink;
  AppState state;
  Frm33 page;
};

class Frm33TypicalTest : public QObject {
  Q_OBJECT

 private slots:
  void theOptionChangesTheCaptionsAndTheChoice() {
    TypicalPage p;
    auto* typical = p.find<QRadioButton>("opt33Typical");
    QCOMPARE(typical->text(), QString("표준기상년 만들기 (ISO 15927-4)"));
    QVERIFY(p.find<QRadioButton>("opt33Convert")->isChecked());
    typical->click();
    QVERIFY(typical->font().bold());
    QCOMPARE(p.find<QLabel>("lbl33Before")->text(),
             QString("원본 시간자료(한 지점의 ASOS 시간자료 csv 혹은 실측년 EPW, 여러 파일은 ;로 "
                     "구분)"));
    QCOMPARE(p.find<QLabel>("lbl33Station")->text(), QString("지점(ASOS 시간자료)"));
    p.find<QRadioButton>("opt33Convert")->click();
    QCOMPARE(p.find<QLabel>("lbl33Before")->text(), QString("원본 기후파일명(WYEC 혹은 TRY 형식)"));
  }

  void severalFilesOfOneStationMakeATypicalYear() {
    TypicalPage p;
    p.write("a.csv", asosYear(2014, "108,서울", "10.0"));
    p.write("b.csv", asosYear(2015, "108,서울", "12.0"));
    p.find<QRadioButton>("opt33Typical")->click();
    p.pick({"a.csv", "b.csv"});
    QCOMPARE(p.find<QLineEdit>("txt33Before")->text(), p.path("a.csv") + "; " + p.path("b.csv"));
    auto* station = p.find<QComboBox>("cbo33Station");
    QVERIFY(station->isEnabled());
    QCOMPARE(station->count(), 1);
    QCOMPARE(station->itemText(0), QString("108 서울"));

    p.find<QLineEdit>("txt33After")->setText(p.path("t.cly"));
    p.find<QAbstractButton>("cmd33Convert")->click();
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(p.sink.last().text()),
             QString("표준기상년(ISO 15927-4) 기후파일 저장이 완료되었습니다.\r\n지점: 108 서울\r\n"
                     "사용한 연도 (2년): 2014, 2015\r\n선정된 달: 1월 2014, 2월 2014, 3월 2014, "
                     "4월 2014, 5월 2014, 6월 2014, 7월 2014, 8월 2014, 9월 2014, 10월 2014, "
                     "11월 2014, 12월 2014\r\n표준(ISO 15927-4)은 10년 이상의 자료를 요구합니다: "
                     "2년의 자료로 만들었습니다.\r\n일사량 자료가 없어 선정에서 뺐습니다."));
    QCOMPARE(QFile(p.path("t.cly")).size(), qint64{227760});
    QCOMPARE(p.find<QLabel>("lbl331")->text(), QString());
  }

  void filesOfTwoStationsAreRefusedAndNothingIsWritten() {
    TypicalPage p;
    p.write("a.csv", asosYear(2014, "108,서울", "10.0"));
    p.write("b.csv", asosYear(2015, "112,인천", "12.0"));
    p.find<QRadioButton>("opt33Typical")->click();
    p.pick({"a.csv", "b.csv"});
    QCOMPARE(p.find<QComboBox>("cbo33Station")->count(), 2);
    p.find<QComboBox>("cbo33Station")->setCurrentIndex(-1);
    p.find<QLineEdit>("txt33After")->setText(p.path("t.cly"));
    p.find<QAbstractButton>("cmd33Convert")->click();
    QCOMPARE(QString::fromStdString(p.sink.last().text()),
             QString("원본 파일들의 지점이 서로 다릅니다.\r\n[a.csv: 108 서울, b.csv: 112 인천]"));
    QVERIFY(!QFile::exists(p.path("t.cly")));
  }
};

}  // namespace

QTEST_MAIN(Frm33TypicalTest)
#include "test_frm33_typical.moc"
