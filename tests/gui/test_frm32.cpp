// The moist-air calculator page: its opening state and texts, the check boxes
// that enable their inputs, the reference states of the calculation, every
// message in its layout, the lenient reading of the inputs, and the sliders
// that re-display the stored values without calculating again.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QtTest>
#include <array>
#include <string>
#include <vector>

#include "core/psychro/pair_solution.h"
#include "gui/app_state.h"
#include "gui/pages/frm32.h"

using namespace vlm;

namespace {

const char* const kInputs[] = {"DryBulb", "WetBulb", "AbsHumid", "RelHumid", "Entalpy"};
const char* const kOutputs[] = {"DryBulb", "WetBulb", "AbsHumid", "RelHumid",
                                "Entalpy", "DewTemp", "Pressure", "SpecV"};
const QString kInvalid = QStringLiteral("정보입력이 유효하지 않습니다.");
const QString kTickTwo = QStringLiteral("입력항목 중 두개를 선택한 후 값을 입력하세요.");
const QString kCheckValues = QStringLiteral(
    "입력값이 일반적으로 존재 가능한 값인지 혹은 입력단위 등을 체크하시기 바랍니다.");

struct Calculator {
  Calculator() : state("/nowhere", sink), page(state, nullptr) {}

  QCheckBox* check(int i) const { return find<QCheckBox>(QString("chk32I") + kInputs[i]); }
  QLineEdit* input(int i) const { return find<QLineEdit>(QString("txt32I") + kInputs[i]); }
  QLabel* output(int i) const { return find<QLabel>(QString("lbl32O") + kOutputs[i]); }
  QSlider* slider(int i) const { return find<QSlider>(QString("Slider32O%1").arg(i + 1)); }
  QString out(int i) const { return output(i)->text(); }
  QStringList outputs() const {
    QStringList texts;
    for (int i = 0; i < 8; ++i) texts << out(i);
    return texts;
  }

  // Ticks the items given and types their texts, then presses 계산.
  void calculate(const std::vector<std::pair<int, QString>>& items) {
    for (const auto& [i, text] : items) {
      if (!check(i)->isChecked()) check(i)->click();
      input(i)->setText(text);
    }
    find<QAbstractButton>("cmd32Calc")->click();
  }
  QString lastText() const { return QString::fromStdString(sink.last().text()); }

  template <class T>
  T* find(const QString& name) const {
    T* widget = page.findChild<T*>(name);
    if (widget == nullptr) qFatal("no widget %s", qPrintable(name));
    return widget;
  }

  RecordingSink sink;
  AppState state;
  Frm32 page;
};

enum { Dry, Wet, Abs, Rel, Enth };
enum { ODry, OWet, OAbs, ORel, OEnth, ODew, OVp, OSv };

}  // namespace

class Frm32Test : public QObject {
  Q_OBJECT

 private slots:
  void opensWithItsTextsAndDefaults() {
    Calculator c;
    QCOMPARE(c.page.windowTitle(), QString("32-습공기상태계산"));
    QCOMPARE(c.find<QGroupBox>("fra32Input")->title(),
             QString("정보입력(다음 중 2개 선택 후 값 입력)"));
    QCOMPARE(c.find<QGroupBox>("fra32Output")->title(),
             QString("계산결과 : 해수면 대기압(101.325kPa)기준"));
    QCOMPARE(c.find<QLabel>("lbl32INote")->text(), QString("[참조] kg' : 건조공기(Dry Air) 질량"));

    const QStringList inputCaptions = {"건구온도", "습구온도", "절대습도", "상대습도", "엔탈피"};
    const QStringList inputUnits = {"(℃)", "(℃)", "(kg/kg')", "(%)", "(J/kg')"};
    for (int i = 0; i < 5; ++i) {
      QCOMPARE(c.check(i)->text(), inputCaptions[i]);
      QCOMPARE(c.check(i)->toolTip(), QString("입력항목을 선택하세요."));
      QCOMPARE(c.find<QLabel>(QString("lbl32IUnit_%1").arg(i))->text(), inputUnits[i]);
      QVERIFY(!c.check(i)->isChecked());
      QVERIFY(!c.check(i)->font().bold());
      QVERIFY(!c.input(i)->isEnabled());
      QCOMPARE(c.input(i)->text(), QString());
    }

    const QStringList outputCaptions = {"건구온도", "습구온도", "절대습도",   "상대습도",
                                        "엔탈피",   "노점온도", "수증기분압", "비체적"};
    const QStringList outputUnits = {"(℃)",     "(℃)", "(kg/kg')", "(%)",
                                     "(J/kg')", "(℃)", "(kPa)",    "(m^3/kg')"};
    const std::array<int, 8> decimals = {1, 1, 4, 1, 1, 1, 4, 4};
    for (int i = 0; i < 8; ++i) {
      QCOMPARE(c.find<QLabel>(QString("lbl32OName_%1").arg(i))->text(), outputCaptions[i]);
      QCOMPARE(c.find<QLabel>(QString("lbl32OUnit_%1").arg(i))->text(), outputUnits[i]);
      QCOMPARE(c.slider(i)->toolTip(), outputCaptions[i] + " 소수점 이하 자리수 조절");
      QCOMPARE(c.slider(i)->minimum(), 0);
      QCOMPARE(c.slider(i)->maximum(), 6);
      QCOMPARE(c.slider(i)->value(), decimals[static_cast<std::size_t>(i)]);
      QCOMPARE(c.out(i), QString());
    }
    QCOMPARE(c.find<QAbstractButton>("cmd32Calc")->text(), QString("계산"));
    QCOMPARE(c.find<QAbstractButton>("cmd32Calc")->toolTip(),
             QString("2개 항목의 값을 입력받아 습공기 상태를 계산합니다."));
    QCOMPARE(c.find<QAbstractButton>("cmd32Reset")->text(), QString("초기화"));
    QCOMPARE(c.find<QAbstractButton>("cmd32Reset")->toolTip(),
             QString("프로그램 기동시의 설정 상태로 초기화합니다."));
    QVERIFY(c.sink.empty());
  }

  void tickingEnablesItsBoxAndClearingKeepsTheText() {
    Calculator c;
    c.page.show();
    QVERIFY(QTest::qWaitForWindowActive(&c.page));
    c.check(Rel)->click();
    QVERIFY(c.input(Rel)->isEnabled());
    QVERIFY(c.check(Rel)->font().bold());
    QCOMPARE(QApplication::focusWidget(), c.input(Rel));
    c.input(Rel)->setText("55");
    c.check(Rel)->click();
    QVERIFY(!c.input(Rel)->isEnabled());
    QVERIFY(!c.check(Rel)->font().bold());
    QCOMPARE(c.input(Rel)->text(), QString("55"));
    // The other boxes are untouched.
    for (int i : {Dry, Wet, Abs, Enth}) QVERIFY(!c.input(i)->isEnabled());
  }

  void dryAndWetBulbGiveTheReferenceState() {
    Calculator c;
    c.state.psychro().Patm = 90.0f;  // as a climate load may have left it
    c.calculate({{Dry, "25"}, {Wet, "18"}});
    QVERIFY(c.sink.empty());
    QCOMPARE(c.state.psychro().Patm, 101.325f);
    const AirState& s = c.page.storedState();
    QVERIFY2(qAbs(s.enth - 50651.0f) < 1.0f, qPrintable(QString::number(s.enth)));
    QCOMPARE(c.out(ODry), QString("25.0"));
    QCOMPARE(c.out(OWet), QString("18.0"));
    QCOMPARE(c.out(OAbs), QString("0.0100"));
    QCOMPARE(c.out(OEnth), QString::fromStdString(FormatOutput(s.enth, 1)));
    QVERIFY(c.out(OEnth).startsWith("5065"));
    QCOMPARE(c.out(OSv), QString("0.8583"));
    // Every label shows its stored value in its slider's format.
    for (int i = 0; i < 8; ++i)
      QCOMPARE(c.out(i), QString::fromStdString(FormatOutput(
                             OutputValue(s, static_cast<CalcOutput>(i)), c.slider(i)->value())));
  }

  void saturatedAirHasItsDewPointAsWetBulb() {
    Calculator c;
    c.calculate({{Dry, "20"}, {Rel, "100"}});
    QVERIFY(c.sink.empty());
    QCOMPARE(c.out(OWet), QString("20.0"));
    QCOMPARE(c.out(ODew), QString("20.0"));
    QCOMPARE(c.out(ORel), QString("100.0"));
  }

  // A wet bulb above the dry bulb is computed as before, with no box, and a
  // red line under the results says what is impossible; a possible state
  // clears it, and so does 초기화.
  void anImpossibleResultIsComputedWithARedWarningLine() {
    Calculator c;
    const QLabel* warning = c.find<QLabel>("lbl32OWarning");
    QCOMPARE(warning->text(), QString());
    c.calculate({{Dry, "25"}, {Wet, "30"}});
    QVERIFY(c.sink.empty());
    QCOMPARE(c.out(OWet), QString("30.0"));
    QVERIFY(c.page.storedState().rh > 100.0f);
    QCOMPARE(warning->text(),
             QString("물리적으로 불가능한 상태입니다: 상대습도가 100%를 넘습니다, 습구온도가 "
                     "건구온도보다 높습니다, 노점온도가 건구온도보다 높습니다."));
    QCOMPARE(warning->palette().color(QPalette::WindowText), QColor(Qt::red));
    c.calculate({{Dry, "25"}, {Wet, "18"}});
    QCOMPARE(warning->text(), QString());
    c.calculate({{Dry, "25"}, {Wet, "30"}});
    c.find<QAbstractButton>("cmd32Reset")->click();
    QCOMPARE(warning->text(), QString());
  }

  void aSelectionThatIsNotAPairIsRefused_data() {
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QString>("problem");
    QTest::newRow("none") << QList<int>{} << QString("입력항목 중 선택된 것이 없습니다.");
    for (int i = 0; i < 5; ++i)
      QTest::newRow(kInputs[i]) << QList<int>{i} << QString("입력항목 중 하나만 선택되었습니다.");
    QTest::newRow("three") << QList<int>{Dry, Wet, Rel}
                           << QString("입력항목 중 세개 이상 선택되었습니다.");
    QTest::newRow("five") << QList<int>{Dry, Wet, Abs, Rel, Enth}
                          << QString("입력항목 중 세개 이상 선택되었습니다.");
  }
  void aSelectionThatIsNotAPairIsRefused() {
    QFETCH(QList<int>, ticked);
    QFETCH(QString, problem);
    Calculator c;
    c.calculate({{Dry, "30"}, {Rel, "40"}});
    const QStringList before = c.outputs();
    const AirState stored = c.page.storedState();
    c.check(Dry)->click();
    c.check(Rel)->click();
    // Only two texts are filled, whatever is ticked.
    for (int i : ticked) c.check(i)->click();
    c.find<QAbstractButton>("cmd32Calc")->click();
    QCOMPARE(c.sink.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(c.sink.last().title), QString("에러"));
    QCOMPARE(c.sink.last().icon, MessageIcon::Error);
    QCOMPARE(c.lastText(), kInvalid + "\r\n\r\n" + problem + "\r\n" + kTickTwo);
    // The earlier results do not stay beside inputs they no longer belong to.
    QVERIFY(before != QStringList(8, QString()));
    QCOMPARE(c.outputs(), QStringList(8, QString()));
    QVERIFY(c.page.storedState() == AirState{});
    QVERIFY(!(stored == AirState{}));
  }

  void aPairWithAnEmptyTextNamesThePair_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("missing");
    QTest::newRow("3") << int{Dry} << int{Wet}
                       << QString("건구온도 혹은 습구온도의 입력값이 없습니다.");
    QTest::newRow("5") << int{Dry} << int{Abs}
                       << QString("건구온도 혹은 절대습도의 입력값이 없습니다.");
    QTest::newRow("6") << int{Wet} << int{Abs}
                       << QString("습구온도 혹은 절대습도의 입력값이 없습니다.");
    QTest::newRow("9") << int{Dry} << int{Rel}
                       << QString("건구온도 혹은 상대습도의 입력값이 없습니다.");
    QTest::newRow("10") << int{Wet} << int{Rel}
                        << QString("습구온도 혹은 상대습도의 입력값이 없습니다.");
    QTest::newRow("12") << int{Abs} << int{Rel}
                        << QString("절대습도 혹은 상대습도의 입력값이 없습니다.");
    QTest::newRow("17") << int{Dry} << int{Enth}
                        << QString("건구온도 혹은 엔탈피의 입력값이 없습니다.");
    QTest::newRow("18") << int{Wet} << int{Enth}
                        << QString("습구온도 혹은 엔탈피의 입력값이 없습니다.");
    QTest::newRow("20") << int{Abs} << int{Enth}
                        << QString("절대습도 혹은 엔탈피의 입력값이 없습니다.");
    QTest::newRow("24") << int{Rel} << int{Enth}
                        << QString("상대습도 혹은 엔탈피의 입력값이 없습니다.");
  }
  void aPairWithAnEmptyTextNamesThePair() {
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, missing);
    // Either text of the pair may be the empty one.
    for (const bool firstEmpty : {true, false}) {
      Calculator c;
      c.calculate({{first, firstEmpty ? "" : "20"}, {second, firstEmpty ? "50" : ""}});
      QCOMPARE(c.sink.size(), std::size_t{1});
      QCOMPARE(QString::fromStdString(c.sink.last().title), QString("에러"));
      QCOMPARE(c.lastText(), kInvalid + "\r\n\r\n" + missing);
      QCOMPARE(c.outputs(), QStringList(8, QString()));
      QVERIFY(c.page.storedState() == AirState{});
    }
  }

  void onlyAnEmptyTextIsMissing() {
    Calculator c;
    // Spaces and letters read as 0; digits before letters read as their number.
    c.calculate({{Dry, "   "}, {Rel, "50%"}});
    QVERIFY(c.sink.empty());
    QCOMPARE(c.out(ODry), QString("0.0"));
    QCOMPARE(c.out(ORel), QString("50.0"));
    QCOMPARE(c.find<QLabel>("lbl32OWarning")->text(),
             QString("건구온도: '   ' → 0\n상대습도: '50%' → 50"));
    c.calculate({{Dry, "abc"}, {Rel, "25.5xyz"}});
    QVERIFY(c.sink.empty());
    QCOMPARE(c.out(ODry), QString("0.0"));
    QCOMPARE(c.out(ORel), QString("25.5"));
    QCOMPARE(c.find<QLabel>("lbl32OWarning")->text(),
             QString("건구온도: 'abc' → 0\n상대습도: '25.5xyz' → 25.5"));
    // A text typed into a box that is not ticked plays no part.
    c.input(Wet)->setEnabled(true);
    c.input(Wet)->setText("99");
    c.calculate({{Dry, "20"}, {Rel, "100"}});
    QVERIFY(c.sink.empty());
    QCOMPARE(c.out(OWet), QString("20.0"));
  }

  void aSliderRedisplaysWithoutCalculating() {
    Calculator c;
    c.calculate({{Dry, "25"}, {Wet, "18"}});
    const AirState stored = c.page.storedState();
    // Inputs and pressure changed after the calculation must not show up.
    c.input(Dry)->setText("35");
    c.state.psychro().Patm = 90.0f;
    QCOMPARE(c.slider(OAbs)->value(), 4);
    c.slider(OAbs)->setValue(6);
    QCOMPARE(c.out(OAbs), QString::fromStdString(FormatOutput(stored.ah, 6)));
    QCOMPARE(c.out(OAbs).size(), QString("0.010000").size());
    QVERIFY(c.out(OAbs).startsWith("0.010"));
    c.slider(OEnth)->setValue(0);
    QCOMPARE(c.out(OEnth), QString::fromStdString(FormatOutput(stored.enth, 0)));
    QVERIFY(!c.out(OEnth).contains('.'));
    QCOMPARE(c.out(ODry), QString("25.0"));
    QCOMPARE(c.state.psychro().Patm, 90.0f);
    QVERIFY(c.page.storedState() == stored);
    QVERIFY(c.sink.empty());
  }

  void resetReturnsToTheOpeningState() {
    Calculator c;
    c.calculate({{Dry, "25"}, {Wet, "18"}});
    c.slider(OAbs)->setValue(6);
    c.slider(OSv)->setValue(0);
    c.find<QAbstractButton>("cmd32Reset")->click();
    const std::array<int, 8> decimals = {1, 1, 4, 1, 1, 1, 4, 4};
    for (int i = 0; i < 5; ++i) {
      QVERIFY(!c.check(i)->isChecked());
      QVERIFY(!c.check(i)->font().bold());
      QVERIFY(!c.input(i)->isEnabled());
      QCOMPARE(c.input(i)->text(), QString());
    }
    for (int i = 0; i < 8; ++i) {
      QCOMPARE(c.slider(i)->value(), decimals[static_cast<std::size_t>(i)]);
      QCOMPARE(c.out(i), QString());
    }
    QVERIFY(c.page.storedState() == AirState{});
    // The stored values are 0 now: a slider shows a zero in its format.
    c.slider(ODry)->setValue(2);
    QCOMPARE(c.out(ODry), QString("0.00"));
    c.slider(OAbs)->setValue(1);
    QCOMPARE(c.out(OAbs), QString("0.0"));
    QVERIFY(c.sink.empty());
  }

  // A run-time fault and a refused humidity each show their box and clear
  // the earlier results, so that no slider brings them back.
  void aFailedCalculationIsShownAndClearsTheResults_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("warning");
    QTest::newRow("fault") << int{Abs} << QString("0.01") << int{Rel} << QString("0")
                           << "0으로 나누었습니다. (GetDBT_RHVP)\r\n" + kCheckValues << QString();
    QTest::newRow("rh") << int{Dry} << QString("20") << int{Rel} << QString("120%")
                        << QString("상대습도의 입력값이 유효하지 않습니다.\r\n\r\n"
                                   "[0% <= 상대습도 <= 100%]")
                        << QString("상대습도: '120%' → 120");
    QTest::newRow("ah") << int{Dry} << QString("20") << int{Abs} << QString("-0.002")
                        << QString("절대습도의 입력값이 유효하지 않습니다.\r\n\r\n"
                                   "[0 kg/kg' <= 절대습도]")
                        << QString();
  }
  void aFailedCalculationIsShownAndClearsTheResults() {
    QFETCH(int, first);
    QFETCH(QString, firstText);
    QFETCH(int, second);
    QFETCH(QString, secondText);
    QFETCH(QString, message);
    QFETCH(QString, warning);
    Calculator c;
    c.calculate({{Dry, "25"}, {Wet, "30"}});
    QVERIFY(!c.find<QLabel>("lbl32OWarning")->text().isEmpty());
    c.check(Dry)->click();
    c.check(Wet)->click();
    c.calculate({{first, firstText}, {second, secondText}});
    QCOMPARE(c.sink.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(c.sink.last().title), QString("에러"));
    QCOMPARE(c.sink.last().icon, MessageIcon::Error);
    QCOMPARE(c.lastText(), message);
    QCOMPARE(c.outputs(), QStringList(8, QString()));
    QCOMPARE(c.find<QLabel>("lbl32OWarning")->text(), warning);
    QVERIFY(c.page.storedState() == AirState{});
    c.slider(ORel)->setValue(2);
    QCOMPARE(c.out(ORel), QString("0.00"));
  }
};

QTEST_MAIN(Frm32Test)
#include "test_frm32.moc"
