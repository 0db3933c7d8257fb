// frm31, the page "31-태양궤적,음영평가": the sun-path diagram of a listed city
// or a typed latitude (tab 0), the shade type and its shading angles (tab 1),
// and the shading mask over a second sun-path diagram (tab 2).
//
// The mask reads its site and angles from the summary captions of tab 2, which
// are filled only when the user leaves tab 0 (site) or tab 1 (shade), so that
// what is drawn is always what the summary shows. With a region loaded whose
// site is known, both diagrams may carry the year's daytime hours and are
// then drawn for that site, and the mask tab shows how the shade performs
// over the year (frm31_performance.h).
#pragma once

#include <QPoint>
#include <QPointF>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/solar/shade_performance.h"
#include "core/solar/shading_mask.h"
#include "core/solar/sun_path.h"
#include "gui/figure_source.h"
#include "gui/pages/page.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vlm {

class PictureBox;
class ProgressBar;
class ShadePerformanceFrame;

class Frm31 : public Page, public FigureSource {
  Q_OBJECT

 public:
  Frm31(AppState& state, QWidget* parent);

  // Event handlers, public so that page tests press them as the user would.
  void cbo31SchartCity_Click(int index);
  void cmd31SchartDraw_Click();
  void cmd31SchartErase_Click();
  void opt31SMinput_Click(int16_t shadeType);
  void tab31_Click(int previousTab);
  void cmd31SMDraw_Click();
  void cmd31SMErase_Click();

  [[nodiscard]] int16_t shadeType() const { return shadeType_; }
  // The captions of the mask tab's summary, as the mask reads them.
  [[nodiscard]] MaskSummary summary() const;
  [[nodiscard]] const SunPathGeometry& geometry() const { return geometry_; }

  // The sun-path diagram (tab 0) or the mask (tab 2) with its labels, once drawn.
  [[nodiscard]] std::optional<render::Figure> currentFigure() const override;

 public slots:
  // The region page has loaded a year (or failed to): the climate boxes and
  // the performance frame follow whether it has a site, and forget the last one's hours.
  void setRegion(const QString& name, const QString& path);

 private:
  // A diagram picture with its progress bar and the nine labels over it.
  struct Target {
    PictureBox* picture = nullptr;
    ProgressBar* progress = nullptr;
    // The core's labels, one widget each: where it sits and what it says.
    // Those on show are also what leaves the program with the diagram.
    std::array<QLabel*, 9> labels{};
    std::array<PictureLabel, 9> anchors{};
    // The picture in a box that keeps it square as the page grows.
    QWidget* box = nullptr;
    // What the finished diagram on show was drawn for, so that the pointer can
    // be read on it: its latitude, and for the mask the shade type and angles.
    std::optional<float> latitude;
    std::optional<std::pair<int16_t, ShadeAngles>> mask;
    // The caption of the diagram when it leaves the program.
    std::string caption;
  };

  [[nodiscard]] std::optional<render::Figure> figureOf(const Target& target) const;

  QWidget* createSchartTab();
  QWidget* createInputTab();
  QWidget* createMaskTab();
  QWidget* createSchartLegend();
  QWidget* createMaskLegend();
  QWidget* createIllustrations();
  QWidget* createSummary();
  Target createTarget(const QString& pictureName, const QString& progressName,
                      const std::array<QString, 9>& labelNames, QWidget* parent);

  void clearTarget(Target& target);
  // Puts the labels at their anchors for the picture's present size.
  void placeLabels(const Target& target) const;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The sun position, date curve and shade under the pointer.
  void readDiagramAt(const Target& target, QPointF user, QPoint pixel);
  void showDrawing(Target& target, const SunPathPicture& drawn);
  void onTabChanged(int index);
  void setShadeTextsEnabled();
  // Why the loaded year cannot go on the diagrams; nothing when it can.
  [[nodiscard]] std::optional<QString> climateUnavailable() const;
  void updateClimateAvailability();
  // The loaded year's daytime hours at its site, placed once per loaded year.
  const std::vector<WishedHour>& climateHours();
  void showPerformance(const ShadeAngles& angles, const MaskSummary& captions);

  SunPathGeometry geometry_;
  int16_t shadeType_ = kShadeCombined;
  int currentTab_ = 0;

  QTabWidget* tabs_ = nullptr;
  QComboBox* city_ = nullptr;
  QLineEdit* latitude_ = nullptr;
  QCheckBox* schartClimate_ = nullptr;  // chk31Climate
  QLabel* schartSite_ = nullptr;
  Target schart_;
  Target mask_;

  std::array<QRadioButton*, 3> shadeOptions_{};
  // txt31SMinputHv, Hs, Vhw, Vhe, Vs, HVv, HVhw, HVhe, HVs.
  std::array<QLineEdit*, 9> shadeTexts_{};

  QLabel* sumCity_ = nullptr;
  QLabel* sumLatitude_ = nullptr;
  QLabel* sumDevice_ = nullptr;
  QLabel* sumV_ = nullptr;
  QLabel* sumHw_ = nullptr;
  QLabel* sumHe_ = nullptr;
  QLabel* sumS_ = nullptr;
  // The site as the summary had it when the user last left tab 0; a mask drawn
  // for the loaded year's site shows that one instead until drawn without it.
  std::string tabCity_, tabLatitude_;
  QCheckBox* maskClimate_ = nullptr;  // chk31SMClimate
  ShadePerformanceFrame* performance_ = nullptr;
  std::optional<std::vector<WishedHour>> climateHours_;
};

}  // namespace vlm
