// The painter of Drawings and the picture area: where primitives land, what
// the files hold, and how the picture's two layers behave around printing.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

#include "core/common/file_error.h"
#include "core/draw/drawing.h"
#include "render/a4_pdf.h"
#include "render/drawing_export.h"
#include "render/picture_box.h"

using vlm::Color;
using vlm::Drawing;
using vlm::PictureBox;
using vlm::UserScale;

namespace {

// Paints the drawing on a white image of the given size.
QImage paint(const Drawing& drawing, int width, int height, double penScale = 1.0) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  vlm::render::paintDrawing(painter, drawing, QRectF(0, 0, width, height), penScale);
  painter.end();
  return image;
}

bool inked(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// The bounding box of every pixel darker than mid-grey.
QRect inkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (inked(image, x, y)) box = box.united(QRect(x, y, 1, 1));
  return box;
}

int inkCount(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += inked(image, x, y) ? 1 : 0;
  return count;
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

class RenderTest : public QObject {
  Q_OBJECT

 private slots:
  void userScaleMapsWithYUp_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("px");
    QTest::addColumn<int>("py");
    // Scale 0…100 across, -10…10 upwards, on 201 × 101 pixels.
    QTest::newRow("lower left corner") << 0.0f << -10.0f << 0 << 100;
    QTest::newRow("upper right corner") << 100.0f << 10.0f << 200 << 0;
    QTest::newRow("centre") << 50.0f << 0.0f << 100 << 50;
    QTest::newRow("upper quarter") << 25.0f << 5.0f << 50 << 25;
  }
  void userScaleMapsWithYUp() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(int, px);
    QFETCH(int, py);
    Drawing drawing(UserScale{0, 100, -10, 10});
    drawing.setPenWidth(3);
    drawing.dot(x, y, Color::palette(0));
    const QImage image = paint(drawing, 201, 101);
    const QRect box = inkBox(image);
    QVERIFY2(!box.isNull(), "the dot was not painted");
    QVERIFY2(qAbs(box.center().x() - px) <= 1 && qAbs(box.center().y() - py) <= 1,
             qPrintable(QString("dot at %1,%2").arg(box.center().x()).arg(box.center().y())));
  }

  void circleStaysRoundWhenTheUnitsDiffer() {
    // One x unit is 2 pixels, one y unit 10 pixels; the radius counts in x units.
    Drawing drawing(UserScale{0, 100, 0, 20});
    drawing.circle(50, 10, 20, Color::palette(0));
    const QRect box = inkBox(paint(drawing, 200, 200));
    QVERIFY(qAbs(box.width() - 80) <= 2);
    QVERIFY(qAbs(box.height() - 80) <= 2);
  }

  void arcRunsCounterclockwiseFromStartToEnd_data() {
    QTest::addColumn<float>("start");
    QTest::addColumn<float>("end");
    QTest::addColumn<bool>("upperRight");
    QTest::addColumn<bool>("upperLeft");
    QTest::addColumn<bool>("lowerLeft");
    QTest::addColumn<bool>("lowerRight");
    QTest::newRow("0 to 90 is the upper right") << 0.0f << 90.0f << true << false << false << false;
    QTest::newRow("90 to 180 is the upper left")
        << 90.0f << 180.0f << false << true << false << false;
    QTest::newRow("270 to 360 is the lower right")
        << 270.0f << 360.0f << false << false << false << true;
    QTest::newRow("315 to 45 wraps through 0") << 315.0f << 45.0f << true << false << false << true;
    QTest::newRow("0 to 360 is whole") << 0.0f << 360.0f << true << true << true << true;
  }
  void arcRunsCounterclockwiseFromStartToEnd() {
    QFETCH(float, start);
    QFETCH(float, end);
    QFETCH(bool, upperRight);
    QFETCH(bool, upperLeft);
    QFETCH(bool, lowerLeft);
    QFETCH(bool, lowerRight);
    Drawing drawing(UserScale{-50, 50, -50, 50});
    drawing.setPenWidth(3);
    drawing.arc(0, 0, 40, start, end, Color::palette(0));
    const QImage image = paint(drawing, 100, 100);
    // Probe the middle of each quadrant's quarter circle (45°, 135°, …).
    auto hit = [&](int x, int y) {
      for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
          if (inked(image, x + dx, y + dy)) return true;
      return false;
    };
    QCOMPARE(hit(78, 22), upperRight);
    QCOMPARE(hit(22, 22), upperLeft);
    QCOMPARE(hit(22, 78), lowerLeft);
    QCOMPARE(hit(78, 78), lowerRight);
  }

  void coloursComeFromThePaletteOrRgb() {
    Drawing drawing(UserScale{0, 10, 0, 10});
    drawing.setPenWidth(6);
    drawing.dot(2, 5, Color::palette(12));  // light red
    drawing.dot(8, 5, Color::rgb(0, 0x80, 0x40));
    const QImage image = paint(drawing, 100, 100);
    QCOMPARE(QColor(image.pixel(20, 50)), QColor(0xFF, 0x00, 0x00));
    QCOMPARE(QColor(image.pixel(80, 50)), QColor(0x00, 0x80, 0x40));
  }

  void rectanglesFillTheirCellsWithoutSeams() {
    // 7 × 3 cells on 100 × 50 pixels: the cell edges fall between pixels.
    Drawing drawing(UserScale{0, 7, 0, 3});
    for (int x = 0; x < 7; ++x)
      for (int y = 0; y < 3; ++y)
        drawing.rect(static_cast<float>(x), static_cast<float>(y), x + 1.0f, y + 1.0f,
                     Color::rgb(0, 0, 0x80));
    QImage image(100, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    vlm::render::paintDrawing(painter, drawing, QRectF(0, 0, 100, 50));
    painter.end();
    for (int y = 0; y < 50; ++y)
      for (int x = 0; x < 100; ++x)
        QCOMPARE(QColor(image.pixel(x, y)), QColor(0, 0, 0x80));
  }

  void penWidthGrowsWithThePenScale() {
    Drawing drawing(UserScale{0, 100, 0, 100});
    drawing.setPenWidth(2);
    drawing.line(10, 50, 90, 50, Color::palette(0));
    const int thin = inkBox(paint(drawing, 100, 100, 1.0)).height();
    const int thick = inkBox(paint(drawing, 100, 100, 4.0)).height();
    QVERIFY2(thin <= 3, qPrintable(QString::number(thin)));
    QVERIFY2(thick >= 7 && thick <= 9, qPrintable(QString::number(thick)));
  }

  void dashedLinesLeaveGaps() {
    Drawing drawing(UserScale{0, 200, 0, 10});
    drawing.line(0, 5, 200, 5, Color::palette(0));
    drawing.setDash(vlm::DashStyle::Dash);
    drawing.line(0, 2, 200, 2, Color::palette(0));
    const QImage image = paint(drawing, 200, 10);
    int solid = 0, dashed = 0;
    for (int x = 0; x < 200; ++x) {
      solid += inked(image, x, 5) || inked(image, x, 4) ? 1 : 0;
      dashed += inked(image, x, 8) || inked(image, x, 7) ? 1 : 0;
    }
    QVERIFY(solid >= 198);
    QVERIFY2(dashed > 60 && dashed < 170, qPrintable(QString::number(dashed)));
  }

  void textIsAlignedToItsAnchor_data() {
    QTest::addColumn<int>("hAlign");
    QTest::addColumn<int>("vAlign");
    QTest::newRow("left top") << int(vlm::HAlign::Left) << int(vlm::VAlign::Top);
    QTest::newRow("centre middle") << int(vlm::HAlign::Center) << int(vlm::VAlign::Middle);
    QTest::newRow("right bottom") << int(vlm::HAlign::Right) << int(vlm::VAlign::Bottom);
  }
  void textIsAlignedToItsAnchor() {
    QFETCH(int, hAlign);
    QFETCH(int, vAlign);
    Drawing drawing(UserScale{0, 200, 0, 200});
    vlm::TextItem text{100,
                       100,
                       "서울 MMM",
                       Color::palette(0),
                       14.0f,
                       false,
                       static_cast<vlm::HAlign>(hAlign),
                       static_cast<vlm::VAlign>(vAlign)};
    drawing.text(text);
    const QRect box = inkBox(paint(drawing, 200, 200));
    QVERIFY(!box.isNull());
    switch (static_cast<vlm::HAlign>(hAlign)) {
      case vlm::HAlign::Left:
        QVERIFY(box.left() >= 99 && box.left() <= 104);
        break;
      case vlm::HAlign::Center:
        QVERIFY(qAbs(box.center().x() - 100) <= 3);
        break;
      case vlm::HAlign::Right:
        QVERIFY(box.right() <= 101 && box.right() >= 95);
        break;
    }
    switch (static_cast<vlm::VAlign>(vAlign)) {
      case vlm::VAlign::Top:
        QVERIFY(box.top() >= 100);
        break;
      case vlm::VAlign::Middle:
        QVERIFY(box.top() < 100 && box.bottom() > 100);
        break;
      case vlm::VAlign::Bottom:
        QVERIFY(box.bottom() <= 100);
        break;
    }
  }

  void savedFilesFollowTheirExtension() {
    QTemporaryDir dir;
    Drawing drawing(UserScale{0, 10, 0, 10});
    drawing.line(0, 0, 10, 10, Color::palette(9));
    drawing.text(vlm::TextItem{5, 5, "북", Color::palette(0)});
    const QString png = dir.filePath("chart.png");
    const QString svg = dir.filePath("chart.SVG");
    const QString pdf = dir.filePath("chart.pdf");
    vlm::render::saveDrawing(drawing, png.toStdString(), 320, 240);
    vlm::render::saveDrawing(drawing, svg.toStdString(), 320, 240);
    vlm::render::saveDrawing(drawing, pdf.toStdString(), 320, 240);
    const QImage image(png);
    QCOMPARE(image.size(), QSize(320, 240));
    QVERIFY(readAll(svg).contains("<svg"));
    QVERIFY(readAll(svg).contains("viewBox=\"0 0 320 240\""));
    QVERIFY(readAll(pdf).startsWith("%PDF"));
    // Only the finished files are left: no temporary file beside them.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
  }

  void aFailedSaveThrowsAndLeavesTheTargetAlone() {
    QTemporaryDir dir;
    Drawing drawing(UserScale{0, 10, 0, 10});
    drawing.line(0, 0, 10, 10, Color::palette(0));
    const std::string missingFolder = dir.filePath("no/such/folder/chart.png").toStdString();
    try {
      vlm::render::saveDrawing(drawing, missingFolder, 100, 100);
      QFAIL("a folder that does not exist was written to");
    } catch (const vlm::FileError& error) {
      QCOMPARE(QString::fromStdString(error.what()),
               QString::fromStdString("파일을 찾을 수 없습니다. (" + missingFolder + ")"));
    }
    const QString existing = dir.filePath("keep.txt");
    {
      QFile file(existing);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("old");
    }
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             vlm::render::saveDrawing(drawing, existing.toStdString(), 100, 100));
    QCOMPARE(readAll(existing), QByteArray("old"));
  }

  void pictureRescalesItsDrawingOnResize() {
    PictureBox picture;
    Drawing drawing(UserScale{0, 10, 0, 10});
    drawing.setPenWidth(2);
    drawing.line(5, 0, 5, 10, Color::palette(0));
    picture.setDrawing(drawing);
    picture.resize(100, 50);
    const QRect small = inkBox(picture.grab().toImage());
    picture.resize(300, 120);
    const QRect large = inkBox(picture.grab().toImage());
    QVERIFY(qAbs(small.center().x() - 50) <= 1 && small.height() >= 49);
    QVERIFY(qAbs(large.center().x() - 150) <= 1 && large.height() >= 119);
  }

  void printedPictureClearsOnlyByEmptyingItsImage() {
    PictureBox picture;
    picture.resize(100, 100);
    Drawing chart(UserScale{0, 10, 0, 10});
    chart.setPenWidth(3);
    chart.line(0, 5, 10, 5, Color::palette(0));
    picture.setDrawing(chart);
    const int drawnInk = inkCount(picture.grab().toImage());
    // The print command keeps the chart in the persistent image: the screen
    // looks the same, with nothing painted twice.
    picture.copyToPersistentImage();
    QVERIFY(picture.hasPersistentImage());
    QCOMPARE(inkCount(picture.grab().toImage()), drawnInk);
    // Erasing the drawing alone leaves the printed chart on show …
    picture.eraseDrawing();
    QVERIFY(!picture.blank());
    // … which is why a printed screen clears by emptying the image.
    vlm::clearPicture(picture, true);
    QVERIFY(picture.blank());
    QCOMPARE(inkCount(picture.grab().toImage()), 0);
    // The flag stays set for the rest of the run; later drawings must still clear.
    picture.setDrawing(chart);
    vlm::clearPicture(picture, true);
    QVERIFY(picture.blank());
  }

  void unprintedPictureClearsByErasing() {
    PictureBox picture;
    Drawing chart(UserScale{0, 10, 0, 10});
    chart.line(0, 5, 10, 5, Color::palette(0));
    picture.setDrawing(chart);
    vlm::clearPicture(picture, false);
    QVERIFY(picture.blank());
    QCOMPARE(picture.drawing().scale(), chart.scale());
  }

  // A page printed to PDF: as large as the sheet allows and centred on it.
  void fitCentredFillsOneSideAndCentresTheOther_data() {
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QRectF>("fitted");
    QTest::addColumn<bool>("landscape");
    const QRectF sheet(10, 20, 200, 100);
    QTest::newRow("wider") << QSizeF(400, 100) << QRectF(10, 45, 200, 50) << true;
    QTest::newRow("taller") << QSizeF(50, 100) << QRectF(85, 20, 50, 100) << false;
    QTest::newRow("small, same shape") << QSizeF(20, 10) << sheet << true;
    QTest::newRow("square") << QSizeF(30, 30) << QRectF(60, 20, 100, 100) << false;
  }
  void fitCentredFillsOneSideAndCentresTheOther() {
    QFETCH(QSizeF, size);
    QFETCH(QRectF, fitted);
    QFETCH(bool, landscape);
    QCOMPARE(vlm::render::fitCentred(size, QRectF(10, 20, 200, 100)), fitted);
    QCOMPARE(vlm::render::orientationFor(size) == QPageLayout::Landscape, landscape);
  }

  void guiApplicationIsNotReplaced() {
    // Inside a running application ensureGuiApplication keeps it.
    QCoreApplication* before = QCoreApplication::instance();
    vlm::render::ensureGuiApplication();
    QCOMPARE(QCoreApplication::instance(), before);
  }
};

QTEST_MAIN(RenderTest)
#include "test_render.moc"
