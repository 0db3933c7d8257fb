// What the four tabs of the seasonal-analysis page share: the state, the
// refusal while no region is loaded, and redrawing a picture that the print
// command may have copied into its persistent image.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "render/figure.h"

class QPushButton;

namespace vlm {

class AppState;
class Drawing;
class PictureBox;

class SeasonalTab : public QWidget {
  Q_OBJECT

 public:
  SeasonalTab(AppState& state, QWidget* parent);
  // Empties what the tab shows (a new region has been loaded).
  virtual void clearResults() = 0;

 protected:
  [[nodiscard]] AppState& state() const { return state_; }
  // Runs the work when a region is loaded, otherwise shows the refusal; a
  // failure inside the work shows its description in an "에러" box.
  void whenLoaded(const std::function<void()>& work) const;
  // A button with its object name and tooltip, calling the handler when clicked.
  QPushButton* button(const QString& caption, const QString& name, const QString& tip,
                      const std::function<void()>& handler);

 private:
  AppState& state_;
};

// Replaces what the picture shows; a printed picture's persistent image is
// emptied first, so that the new drawing does not lie over the old one.
void showDrawing(PictureBox& picture, Drawing drawing);
// Empties the picture, persistent image included.
void erasePicture(PictureBox& picture);
// What the picture shows, with `caption`, as a figure to save or copy;
// nullopt while it shows nothing.
[[nodiscard]] std::optional<render::Figure> pictureFigure(const PictureBox& picture,
                                                          const std::string& caption);

// A core text (UTF-8) as a QString.
[[nodiscard]] QString utf8Text(std::string_view text);

}  // namespace vlm
