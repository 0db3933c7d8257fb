// The sun-path and shading page: its opening state and texts, the city list that
// fills the latitude box, drawing Seoul with its labels in their places, the
// latitude refusals, erase and the DiagramPrinted rule, the summary that leaving
// a tab fills, and the mask with its closed bold outline and its refusals.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QtTest>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "core/solar/shading_mask.h"
#include "core/solar/sun_path.h"
#include "gui/app_state.h"
#include "gui/pages/frm31.h"
#include "render/picture_box.h"

using namespace vlm;

namespace {

const char* const kLabelKeys[] = {"N", "S", "E", "W", "V0", "V20", "V40", "V60", "V80"};
const char* const kShadeBoxes[] = {"Hv", "Hs", "Vhw", "Vhe", "Vs", "HVv", "HVhw", "HVhe", "HVs"};

const QString kSchartLatitudeText =
    QStringLiteral("위도 입력이 유효하지 않습니다.\r\n       [25°<= 위도 <= 55°]");

struct SunPage {
  SunPage() : state(VLM_PROGRAM_DIR, sink), page(state, nullptr) {}

  template <class T>
  T* find(const QString& name) const {
    T* widget = page.findChild<T*>(name);
    if (widget == nullptr) qFatal("no widget %s", qPrintable(name));
    return widget;
  }
  QTabWidget* tabs() const { return find<QTabWidget>("tab31"); }
  QComboBox* city() const { return find<QComboBox>("cbo31SchartCity"); }
  QLineEdit* latitude() const { return find<QLineEdit>("txt31SchartLatitude"); }
  PictureBox* schart() const { return find<PictureBox>("pic31Schart"); }
  PictureBox* mask() const { return find<PictureBox>("pic31SM"); }
  QLineEdit* shadeBox(const QString& suffix) const {
    return find<QLineEdit>("txt31SMinput" + suffix);
  }
  QString summary(const QString& name) const { return find<QLabel>("lbl31SM" + name)->text(); }
  void press(const QString& name) const { find<QAbstractButton>(name)->click(); }

  // The nine labels of a picture: lbl31Schart… on tab 0, lbl31SM… on tab 2.
  QList<QLabel*> labels(bool maskPicture) const {
    QList<QLabel*> list;
    for (const char* key : kLabelKeys) {
      QString name = maskPicture ? QString("lbl31SM") + key : QString("lbl31Schart") + key;
      if (maskPicture && QString(key).size() == 1) name += "1";
      list << find<QLabel>(name);
    }
    return list;
  }
  bool labelsShown(bool maskPicture) const {
    for (QLabel* label : labels(maskPicture))
      if (label->isHidden()) return false;
    return true;
  }
  bool labelsHidden(bool maskPicture) const {
    for (QLabel* label : labels(maskPicture))
      if (!label->isHidden()) return false;
    return true;
  }

  void drawCity(const QString& name) {
    city()->setCurrentIndex(city()->findText(name));
    press("cmd31SchartDraw");
  }
  void drawLatitude(const QString& text) {
    city()->setCurrentIndex(static_cast<int>(kSchartOtherIndex));
    latitude()->setText(text);
    press("cmd31SchartDraw");
  }
  // Enters a shade of the given type on tab 1 and moves on to tab 2, as the user does.
  void enterShade(int type, const QStringList& texts) {
    tabs()->setCurrentIndex(1);
    const char* options[] = {"opt31SMinputH", "opt31SMinputV", "opt31SMinputHV"};
    find<QRadioButton>(options[type - 1])->click();
    for (int i = 0; i < 9; ++i) shadeBox(kShadeBoxes[i])->setText(texts.value(i));
    tabs()->setCurrentIndex(2);
  }
  QString lastText() const { return QString::fromStdString(sink.last().text()); }

  RecordingSink sink;
  AppState state;
  Frm31 page;
};

// The texts of the nine boxes with only the given type's values filled.
QStringList shadeTexts(int type, const QStringList& values) {
  QStringList texts(9);
  const int first[] = {0, 2, 5};
  for (int i = 0; i < values.size(); ++i) texts[first[type - 1] + i] = values[i];
  return texts;
}

struct End {
  double x, y;
};

// The two ends of every width-2 line and arc of a drawing, in user coordinates.
std::vector<End> boldEnds(const Drawing& drawing) {
  std::vector<End> ends;
  const double toRad = 3.14159265358979 / 180.0;
  for (const DrawItem& item : drawing.items()) {
    if (const auto* line = std::get_if<LineItem>(&item); line && line->pen.width == 2.0f) {
      ends.push_back({line->x1, line->y1});
      ends.push_back({line->x2, line->y2});
    } else if (const auto* arc = std::get_if<ArcItem>(&item); arc && arc->pen.width == 2.0f) {
      for (const float a : {arc->startDeg, arc->endDeg})
        ends.push_back({arc->cx + arc->radius * std::cos(a * toRad),
                        arc->cy + arc->radius * std::sin(a * toRad)});
    }
  }
  return ends;
}

// A closed outline: every end meets the end of another piece.
bool closedOutline(const std::vector<End>& ends) {
  if (ends.empty()) return false;
  for (std::size_t i = 0; i < ends.size(); ++i) {
    bool met = false;
    for (std::size_t j = 0; j < ends.size() && !met; ++j)
      met = j / 2 != i / 2 && std::hypot(ends[i].x - ends[j].x, ends[i].y - ends[j].y) < 2.0;
    if (!met) return false;
  }
  return true;
}

std::size_t countBold(const Drawing& drawing) {
  std::size_t n = 0;
  for (const DrawItem& item : drawing.items()) {
    std::visit(
        [&](const auto& p) {
          if constexpr (!std::is_same_v<std::decay_t<decltype(p)>, TextItem>)
            n += p.pen.width == 2.0f;
        },
        item);
  }
  return n;
}

}  // namespace

class Frm31Test : public QObject {
  Q_OBJECT

 private slots:
  void opensOnTheSunPathTabWithSeoul() {
    SunPage p;
    QCOMPARE(p.page.objectName(), QString("frm31"));
    QCOMPARE(p.page.windowTitle(), QString("31-태양궤적,음영평가"));
    QCOMPARE(p.tabs()->count(), 3);
    QCOMPARE(p.tabs()->tabText(0), QString("태양궤적도"));
    QCOMPARE(p.tabs()->tabText(1), QString("음영각 정보입력"));
    QCOMPARE(p.tabs()->tabText(2), QString("음영마스크"));
    QCOMPARE(p.tabs()->currentIndex(), 0);

    const QStringList cities = {"강릉", "광주", "군산", "대구", "대전", "목포",
                                "부산", "서산", "서울", "수원", "인천", "전주",
                                "제주", "진주", "청주", "춘천", "포항", "기타 지역"};
    QCOMPARE(p.city()->count(), cities.size());
    for (int i = 0; i < cities.size(); ++i) QCOMPARE(p.city()->itemText(i), cities[i]);
    QCOMPARE(p.city()->currentIndex(), 8);
    QCOMPARE(p.latitude()->text(), QString("37.34"));
    QVERIFY(!p.latitude()->isEnabled());
    QCOMPARE(p.find<QProgressBar>("prog31SchartDraw")->value(), 0);
    QCOMPARE(p.find<QProgressBar>("prog31SMDraw")->value(), 0);
    QVERIFY(p.schart()->blank());
    QVERIFY(p.mask()->blank());
    QVERIFY(p.labelsHidden(false));
    QVERIFY(p.labelsHidden(true));
    QVERIFY(p.sink.empty());
  }

  void tabZeroCarriesItsCaptionsAndTooltips() {
    SunPage p;
    QCOMPARE(p.find<QGroupBox>("fra31SchartLatitude")->title(), QString("지역선택"));
    QCOMPARE(p.find<QLabel>("lblSchartCity")->text(), QString("대상지역"));
    QCOMPARE(p.city()->toolTip(), QString("대상지역을 선택하세요."));
    QCOMPARE(p.find<QLabel>("lbl31SchartLatitude")->text(), QString("위      도\r\n (25~55°)"));
    QCOMPARE(p.latitude()->toolTip(), QString("기타 지역인 경우 위도(북위, 25~55°) 직접 입력"));
    QCOMPARE(p.find<QAbstractButton>("cmd31SchartDraw")->text(), QString("그리기"));
    QCOMPARE(p.find<QAbstractButton>("cmd31SchartDraw")->toolTip(), QString("태양궤적도 그리기"));
    QCOMPARE(p.find<QAbstractButton>("cmd31SchartErase")->text(), QString("지우기"));
    QCOMPARE(p.find<QAbstractButton>("cmd31SchartErase")->toolTip(), QString("태양궤적도 지우기"));

    const QStringList captions = {"북(±180°)",
                                  "남(태양방위각 0°)",
                                  "  동\r\n(-90°)",
                                  "  서\r\n(+90°)",
                                  "태양고도각 0°",
                                  "20°",
                                  "40°",
                                  "60°",
                                  "80°"};
    for (const bool maskPicture : {false, true}) {
      const QList<QLabel*> labels = p.labels(maskPicture);
      for (int i = 0; i < 9; ++i) QCOMPARE(labels[i]->text(), captions[i]);
    }

    QCOMPARE(p.find<QLabel>("lbl31SchartLegendDates")->text(),
             QString("(1) 날짜선 구분(위로 부터)"));
    const QStringList dates = {"6월21일(하지)",     "5월21일, 7월23일",  "4월20일, 8월23일",
                               "4월5일, 9월8일",    "3월21일, 9월23일",  "3월5일, 10월10일",
                               "2월19일, 10월23일", "1월20일, 11월23일", "12월22일(동지)"};
    const QStringList swatches = {"255, 0, 0",   "255, 128, 0",   "255, 255, 0",
                                  "0, 255, 0",   "0, 255, 255",   "255, 128, 255",
                                  "192, 0, 192", "128, 128, 255", "0, 0, 192"};
    for (int i = 0; i < 9; ++i) {
      QCOMPARE(p.find<QLabel>(QString("lbl31SchartLegend%1").arg(i + 1))->text(), dates[i]);
      QVERIFY(p.find<QWidget>(QString("shp31SchartLegend%1").arg(i + 1))
                  ->styleSheet()
                  .contains("rgb(" + swatches[i] + ")"));
    }
    QCOMPARE(p.find<QLabel>("lbl31SchartLegendHours")->text(), QString("(2) 시간선 구분(태양시)"));
    QCOMPARE(p.find<QLabel>("lbl31SchartLegendHourText")->text(),
             QString("우->좌 : 5시->19시\r\n12시 : 남중\r\n(태양방위각 0°)"));
    QCOMPARE(p.find<QLabel>("lbl31SchartLegendAngles")->text(),
             QString("(3) 태양방위각 : -180~180°\r\n\r\n(4) 태양고도각 : 0~90°"));
  }

  void tabsOneAndTwoCarryTheirCaptions() {
    SunPage p;
    QCOMPARE(p.find<QGroupBox>("fra31SMinput")->title(), QString("정보입력"));
    const QStringList options = {"opt31SMinputH", "opt31SMinputV", "opt31SMinputHV"};
    const QStringList optionTexts = {"수평차양(혹은 건물 입면)", "수직차양(혹은 건물 평면)",
                                     "수평수직차양(혹은 건물 입, 평면)"};
    const QStringList optionTips = {"차양종류를 선택하세요.", "처양종류를 선택하세요.",
                                    "차양종류를 선택하세요."};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(p.find<QRadioButton>(options[i])->text(), optionTexts[i]);
      QCOMPARE(p.find<QRadioButton>(options[i])->toolTip(), optionTips[i]);
    }
    const QStringList names = {"수직음영각", "면방위각",   "수평음영각", "수평음영각", "면방위각",
                               "수직음영각", "수평음영각", "수평음영각", "면방위각"};
    const QStringList ranges = {
        "(0<= and <=90°)",      "(-180<= and <= 180°)",  "(서, 0<= and <=90°)",
        "(동, -90<= and <=0°)", "(-180<= and <=180°)",   "(0< and <=70°)",
        "(서, 15<= and <90°)",  "(동, -90< and <=-15°)", "(-180<= and <=180°)"};
    for (int i = 0; i < 9; ++i) {
      const QString suffix = kShadeBoxes[i];
      QCOMPARE(p.find<QLabel>("lbl31SMinput" + suffix + "Name")->text(), names[i]);
      QCOMPARE(p.find<QLabel>("lbl31SMinput" + suffix + "Range")->text(), ranges[i]);
      QCOMPARE(p.shadeBox(suffix)->text(), QString());
    }
    // The four illustrations are drawn from their files beside the program.
    const QStringList pictures = {"[수평차양]", "[수직차양]", "[수평수직차양]", "[건물의 경우]"};
    const QStringList files = {"shade_horizontal", "shade_vertical", "shade_combined",
                               "shade_building"};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(p.find<QLabel>(QString("lbl31SMinput%1").arg(i + 1))->text(), pictures[i]);
      QCOMPARE(p.find<QWidget>(QString("pic31SMinput%1").arg(i + 1))->size(), QSize(260, 200));
      QSvgRenderer svg(QString(VLM_PROGRAM_DIR) + "/images/" + files[i] + ".svg");
      QVERIFY2(svg.isValid(), qPrintable(files[i]));
    }

    QCOMPARE(p.find<QGroupBox>("fra31SMsummary")->title(), QString("정보 요약"));
    const QStringList summary = {"city", "latitude", "device", "v", "hw", "he", "s"};
    const QStringList summaryCaptions = {
        "대상지역 :",        "위  도(°) :",           "차양종류 :",
        "- 수직음영각(°) :", "- 수평음영각(°, 서) :", "- 수평음영각(°, 동) :",
        "- 면방위각(°) :"};
    for (int i = 0; i < summary.size(); ++i) {
      QCOMPARE(p.find<QLabel>("lbl31SM" + summary[i] + "Caption")->text(), summaryCaptions[i]);
      QCOMPARE(p.summary(summary[i]), QString());
    }
    QCOMPARE(p.find<QLabel>("lbl31SMangles")->text(), QString("음영각 정보"));
    QCOMPARE(p.find<QAbstractButton>("cmd31SMDraw")->text(), QString("그리기"));
    QCOMPARE(p.find<QAbstractButton>("cmd31SMDraw")->toolTip(), QString("음영마스크 그리기"));
    QCOMPARE(p.find<QAbstractButton>("cmd31SMErase")->text(), QString("지우기"));
    QCOMPARE(p.find<QAbstractButton>("cmd31SMErase")->toolTip(), QString("음영마스크 지우기"));
    QCOMPARE(p.find<QGroupBox>("fra31SMLegend")->title(), QString("음영 평가 방법"));
    QCOMPARE(p.find<QLabel>("lbl31SMLegend")->text(),
             QString("(1) 차양의 경우\r\n\r\n - 굵은 선 내부 : 음영 생김\r\n - 굵은 선 외부 : "
                     "음영 안 생김\r\n\r\n(2) 건물의 경우\r\n\r\n - 굵은 선 내부 : 음영 안 "
                     "생김\r\n - 굵은 선 외부 : 음영 생김"));
  }

  void aCityWritesItsLatitudeAndOtherOpensTheBox_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("editable");
    QTest::newRow("강릉") << 0 << "37.45" << false;
    QTest::newRow("목포") << 5 << "34.47" << false;
    QTest::newRow("제주") << 12 << "33.31" << false;
    QTest::newRow("포항") << 16 << "36.02" << false;
    QTest::newRow("기타 지역") << 17 << "" << true;
  }
  void aCityWritesItsLatitudeAndOtherOpensTheBox() {
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(bool, editable);
    SunPage p;
    p.page.show();
    QVERIFY(QTest::qWaitForWindowActive(&p.page));
    p.latitude()->setText("41");  // whatever was there before
    p.city()->setCurrentIndex(index);
    QCOMPARE(p.latitude()->text(), text);
    QCOMPARE(p.latitude()->isEnabled(), editable);
    if (editable) QCOMPARE(QApplication::focusWidget(), p.latitude());
    // Back to a listed city locks the box again with that city's latitude.
    p.city()->setCurrentIndex(8);
    QCOMPARE(p.latitude()->text(), QString("37.34"));
    QVERIFY(!p.latitude()->isEnabled());
  }

  void drawingSeoulShowsTheDiagramWithNorthUpAndEastRight() {
    SunPage p;
    p.press("cmd31SchartDraw");
    QVERIFY(p.sink.empty());
    const SunPathGeometry& g = p.page.geometry();
    QCOMPARE(g.radius, 2905.0f);
    // The drawing is the diagram of Seoul's listed latitude.
    SunPathPicture expected(g);
    RecordingSink quiet;
    DrawSunPath(expected, g, 37.34f, quiet);
    QVERIFY(p.schart()->drawing() == expected.drawing);
    QVERIFY(p.labelsShown(false));
    QVERIFY(p.labelsHidden(true));
    QCOMPARE(p.find<QProgressBar>("prog31SchartDraw")->value(), 0);

    // The labels stand around the circle: north above, south below, east right,
    // west left, and the altitude labels down the upper radius from 0° to 80°.
    const QList<QLabel*> labels = p.labels(false);
    const QRect picture = p.schart()->rect();
    const int centre = picture.width() / 2;
    const int horizonPx = static_cast<int>(g.radius / g.width * picture.width());
    QVERIFY(labels[0]->geometry().bottom() < centre - horizonPx);
    QVERIFY(labels[1]->geometry().top() > centre + horizonPx);
    QVERIFY(labels[2]->geometry().left() > centre + horizonPx);
    QVERIFY(labels[3]->geometry().right() < centre - horizonPx);
    for (int i = 4; i < 9; ++i) {
      QVERIFY(labels[i]->geometry().left() > centre);
      QVERIFY(labels[i]->geometry().top() < centre);
      QVERIFY(picture.contains(labels[i]->geometry()));
      if (i > 4) QVERIFY(labels[i]->geometry().top() > labels[i - 1]->geometry().top());
    }
  }

  void drawingTwiceGivesTheSameDrawing() {
    for (const bool printed : {false, true}) {
      SunPage p;
      p.state.printFlags().DiagramPrinted = printed;
      p.press("cmd31SchartDraw");
      const Drawing first = p.schart()->drawing();
      QVERIFY(!first.empty());
      p.press("cmd31SchartDraw");
      QVERIFY(p.schart()->drawing() == first);
      QVERIFY(p.schart()->persistentImage().empty());
      QVERIFY(p.labelsShown(false));
    }
  }

  void aLatitudeOutside25To55IsRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("24.99") << "24.99";
    QTest::newRow("55.01") << "55.01";
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "abc";
    QTest::newRow("south") << "-37";
  }
  void aLatitudeOutside25To55IsRefused() {
    QFETCH(QString, text);
    SunPage p;
    p.press("cmd31SchartDraw");  // a diagram is on show before the refusal
    p.drawLatitude(text);
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(p.sink.last().title), QString("에러"));
    QCOMPARE(p.sink.last().icon, MessageIcon::Error);
    QCOMPARE(p.lastText(), kSchartLatitudeText);
    QVERIFY(p.schart()->blank());
    QVERIFY(p.labelsHidden(false));
  }

  void theBoundsAndALeadingNumberAreAccepted_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("latitude");
    QTest::newRow("25") << "25" << 25.0f;
    QTest::newRow("55") << "55" << 55.0f;
    QTest::newRow("37.5abc") << "37.5abc" << 37.5f;
  }
  void theBoundsAndALeadingNumberAreAccepted() {
    QFETCH(QString, text);
    QFETCH(float, latitude);
    SunPage p;
    p.drawLatitude(text);
    QVERIFY(p.sink.empty());
    SunPathPicture expected(p.page.geometry());
    RecordingSink quiet;
    DrawSunPath(expected, p.page.geometry(), latitude, quiet);
    QVERIFY(p.schart()->drawing() == expected.drawing);
    QVERIFY(p.labelsShown(false));
  }

  void eraseClearsThePictureAndHidesItsLabels() {
    SunPage p;
    p.press("cmd31SchartDraw");
    p.press("cmd31SchartErase");
    QVERIFY(p.schart()->blank());
    QVERIFY(p.labelsHidden(false));
    QVERIFY(p.sink.empty());
  }

  void oncePrintedClearingEmptiesThePersistentImage_data() {
    QTest::addColumn<bool>("maskPicture");
    QTest::newRow("pic31Schart") << false;
    QTest::newRow("pic31SM") << true;
  }
  void oncePrintedClearingEmptiesThePersistentImage() {
    QFETCH(bool, maskPicture);
    SunPage p;
    p.enterShade(2, shadeTexts(2, {"30", "-30", "0"}));
    PictureBox* picture = maskPicture ? p.mask() : p.schart();
    const QString draw = maskPicture ? "cmd31SMDraw" : "cmd31SchartDraw";
    const QString erase = maskPicture ? "cmd31SMErase" : "cmd31SchartErase";
    p.press(draw);
    const Drawing diagram = picture->drawing();
    p.page.keepDrawingsForPrint();
    QVERIFY(p.state.printFlags().DiagramPrinted);
    QCOMPARE(picture->persistentImage().size(), std::size_t{1});
    QVERIFY(picture->drawing().empty());
    // Erase empties the persistent image; erasing only the drawing would leave
    // the printed diagram on show.
    p.press(erase);
    QVERIFY(!picture->hasPersistentImage());
    QVERIFY(picture->blank());
    QVERIFY(p.labelsHidden(maskPicture));
    // Drawing after printing shows one diagram, not the printed one under the new.
    p.press(draw);
    p.page.keepDrawingsForPrint();
    p.press(draw);
    QVERIFY(picture->persistentImage().empty());
    QVERIFY(picture->drawing() == diagram);
    QVERIFY(p.labelsShown(maskPicture));
    QVERIFY(p.sink.empty());
  }

  void beforePrintingClearingErasesOnlyTheDrawing() {
    SunPage p;
    p.press("cmd31SchartDraw");
    // A persistent image without the flag (none of this page's doing) is left alone.
    p.schart()->copyToPersistentImage();
    QVERIFY(!p.state.printFlags().DiagramPrinted);
    p.press("cmd31SchartErase");
    QVERIFY(p.schart()->hasPersistentImage());
    QCOMPARE(p.schart()->persistentImage().size(), std::size_t{1});
    QVERIFY(p.labelsHidden(false));
  }

  void theChosenShadeTypeIsBoldAndOpensItsBoxes_data() {
    QTest::addColumn<int>("type");
    QTest::newRow("horizontal") << 1;
    QTest::newRow("vertical") << 2;
    QTest::newRow("combined") << 3;
  }
  void theChosenShadeTypeIsBoldAndOpensItsBoxes() {
    QFETCH(int, type);
    SunPage p;
    const QStringList options = {"opt31SMinputH", "opt31SMinputV", "opt31SMinputHV"};
    const int first[] = {0, 2, 5, 9};
    // At load the combined shade is chosen.
    QCOMPARE(p.page.shadeType(), int16_t{3});
    QVERIFY(p.find<QRadioButton>("opt31SMinputHV")->isChecked());
    QVERIFY(p.find<QRadioButton>("opt31SMinputHV")->font().bold());
    for (int i = 0; i < 9; ++i) {
      p.shadeBox(kShadeBoxes[i])->setText(QString::number(i));
      QCOMPARE(p.shadeBox(kShadeBoxes[i])->isEnabled(), i >= 5);
    }
    p.find<QRadioButton>(options[type - 1])->click();
    QCOMPARE(p.page.shadeType(), static_cast<int16_t>(type));
    for (int t = 1; t <= 3; ++t) {
      QCOMPARE(p.find<QRadioButton>(options[t - 1])->font().bold(), t == type);
      QCOMPARE(p.find<QRadioButton>(options[t - 1])->isChecked(), t == type);
    }
    for (int i = 0; i < 9; ++i) {
      const bool own = i >= first[type - 1] && i < first[type];
      QCOMPARE(p.shadeBox(kShadeBoxes[i])->isEnabled(), own);
      QCOMPARE(p.shadeBox(kShadeBoxes[i])->text(), QString::number(i));  // texts stay
    }
  }

  void leavingTheSiteTabFillsTheSite() {
    SunPage p;
    p.tabs()->setCurrentIndex(2);
    QCOMPARE(p.summary("city"), QString("서울"));
    QCOMPARE(p.summary("latitude"), QString("37.34"));
    // Before tab 1 was visited the shade captions are empty.
    for (const char* name : {"device", "v", "hw", "he", "s"}) QCOMPARE(p.summary(name), QString());
    // A change on tab 0 reaches the summary only when tab 0 is left again.
    p.tabs()->setCurrentIndex(0);
    p.city()->setCurrentIndex(static_cast<int>(kSchartOtherIndex));
    p.latitude()->setText("42.5");
    QCOMPARE(p.summary("city"), QString("서울"));
    p.tabs()->setCurrentIndex(1);
    QCOMPARE(p.summary("city"), QString("기타 지역"));
    QCOMPARE(p.summary("latitude"), QString("42.5"));
  }

  void leavingTheInputTabFillsTheShade_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("expected");  // device, v, hw, he, s
    QTest::newRow("horizontal") << 1 << QStringList{"수평차양", "t0", "N/A", "N/A", "t1"};
    QTest::newRow("vertical") << 2 << QStringList{"수직차양", "N/A", "t2", "t3", "t4"};
    QTest::newRow("combined") << 3 << QStringList{"수평수직차양", "t5", "t6", "t7", "t8"};
  }
  void leavingTheInputTabFillsTheShade() {
    QFETCH(int, type);
    QFETCH(QStringList, expected);
    SunPage p;
    QStringList texts;
    for (int i = 0; i < 9; ++i) texts << QString("t%1").arg(i);
    p.enterShade(type, texts);
    const QStringList names = {"device", "v", "hw", "he", "s"};
    for (int i = 0; i < 5; ++i) QCOMPARE(p.summary(names[i]), expected[i]);
    // Typing on tab 1 shows in the summary only after tab 1 is left again, and
    // leaving tab 2 changes nothing.
    p.tabs()->setCurrentIndex(1);
    for (int i = 0; i < 9; ++i) p.shadeBox(kShadeBoxes[i])->setText("x");
    p.tabs()->setCurrentIndex(2);
    p.tabs()->setCurrentIndex(0);
    p.tabs()->setCurrentIndex(2);
    for (int i = 0; i < 5; ++i) {
      const QString now = p.summary(names[i]);
      QCOMPARE(now, i == 0 || expected[i] == "N/A" ? expected[i] : QString("x"));
    }
  }

  void aCombinedMaskIsABoldClosedOutlineOverTheDiagram() {
    SunPage p;
    p.enterShade(3, shadeTexts(3, {"45", "30", "-30", "0"}));
    p.press("cmd31SMDraw");
    QVERIFY2(p.sink.empty(), p.sink.empty() ? "" : qPrintable(p.lastText()));
    const Drawing& drawn = p.mask()->drawing();
    QVERIFY(countBold(drawn) >= 5);  // two fin lines, overhang arc pieces, horizon arcs
    QVERIFY(closedOutline(boldEnds(drawn)));
    QVERIFY(p.labelsShown(true));
    QVERIFY(p.labelsHidden(false));
    QCOMPARE(p.find<QProgressBar>("prog31SMDraw")->value(), 0);
    // Under the outline lies the sun-path diagram of the summary's latitude.
    SunPathPicture underlay(p.page.geometry());
    RecordingSink quiet;
    DrawSunPath(underlay, p.page.geometry(), 37.34f, quiet);
    QCOMPARE(drawn.size(), underlay.drawing.size() + countBold(drawn));
    // Drawing again replaces the mask, it does not add a second one.
    const Drawing first = drawn;
    p.press("cmd31SMDraw");
    QVERIFY(p.mask()->drawing() == first);
    p.press("cmd31SMErase");
    QVERIFY(p.mask()->blank());
    QVERIFY(p.labelsHidden(true));
  }

  void theMaskRefusesWhatTheSummaryHolds_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("message");
    QTest::newRow("latitude") << 3 << QStringList{"45", "30", "-30", "0"} << "60"
                              << "위도 입력이 유효하지 않습니다.\r\n       [25° <= 위도 <= "
                                 "55°]\r\n태양궤적도 탭에서 수정하세요.";
    QTest::newRow("v not entered")
        << 3 << QStringList{"", "30", "-30", "0"} << "37"
        << "수평수직차양, 수직음영각이 입력되지 않았습니다.\r\n[0° < 수평수직차양, 수직음영각 "
           "<= 70°]\r\n음영각 정보입력 탭에서 입력하세요.";
    QTest::newRow("v 0 on an egg-crate")
        << 3 << QStringList{"0", "30", "-30", "0"} << "37"
        << "수평수직차양, 수직음영각이 유효하지 않습니다.\r\n[0° < 수평수직차양, 수직음영각 "
           "<= 70°]\r\n음영각 정보입력 탭에서 수정하세요.";
    QTest::newRow("overhang v 95")
        << 1 << QStringList{"95", "0"} << "37"
        << "수평차양, 수직음영각이 유효하지 않습니다.\r\n[0° <= 수평차양, 수직음영각 <= "
           "90°]\r\n음영각 정보입력 탭에서 수정하세요.";
    QTest::newRow("fin he positive")
        << 2 << QStringList{"30", "10", "0"} << "37"
        << "수직차양, 동향 수평음영각이 유효하지 않습니다.\r\n[-90° <= 수직차양, 동향 "
           "수평음영각 <= 0°]\r\n음영각 정보입력 탭에서 수정하세요.";
    QTest::newRow("fin s not entered")
        << 2 << QStringList{"30", "-10", ""} << "37"
        << "수직차양, 면방위각이 입력되지 않았습니다.\r\n[-180° <= 수직차양, 면방위각 <= "
           "180°]\r\n음영각 정보입력 탭에서 입력하세요.";
  }
  void theMaskRefusesWhatTheSummaryHolds() {
    QFETCH(int, type);
    QFETCH(QStringList, values);
    QFETCH(QString, latitude);
    QFETCH(QString, message);
    SunPage p;
    p.city()->setCurrentIndex(static_cast<int>(kSchartOtherIndex));
    p.latitude()->setText(latitude);
    p.enterShade(type, shadeTexts(type, values));
    p.press("cmd31SMDraw");
    QCOMPARE(p.sink.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(p.sink.last().title), QString("에러"));
    QCOMPARE(p.sink.last().icon, MessageIcon::Error);
    QCOMPARE(p.lastText(), message);
    QVERIFY(p.mask()->blank());
    QVERIFY(p.labelsHidden(true));
  }

  void theMaskReadsTheSummaryNotTheBoxes() {
    SunPage p;
    p.enterShade(1, shadeTexts(1, {"45", "0"}));
    // Retyped after tab 1 was left: the mask still uses the summary's 45°.
    p.shadeBox("Hv")->setText("95");
    p.press("cmd31SMDraw");
    QVERIFY(p.sink.empty());
    QCOMPARE(p.summary("v"), QString("45"));
    QVERIFY(closedOutline(boldEnds(p.mask()->drawing())));
  }
};

QTEST_MAIN(Frm31Test)
#include "test_frm31.moc"
