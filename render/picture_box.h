// The picture area of the screens: shows a Drawing scaled to the widget, with
// the persistent image that the main window's print command fills.
//
// A picture has two layers, as the screens know them: the drawing surface
// (what the page has drawn since the last erase) and the persistent image
// (a copy of the drawing taken when the page was printed). The persistent image
// lies under the drawing; erasing the drawing leaves it on show, which is why a
// printed picture must be cleared by emptying the persistent image instead.
#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>
#include <vector>

#include "core/draw/drawing.h"

namespace vlm {

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // Replaces the drawing surface and repaints.
  void setDrawing(Drawing drawing);
  [[nodiscard]] const Drawing& drawing() const { return drawing_; }
  // For drawing step by step: the returned surface is repainted at the next
  // event-loop turn.
  Drawing& editDrawing();

  // Erases the drawing surface (the persistent image stays).
  void eraseDrawing();
  // Copies what is on show into the persistent image (the print command does
  // this). The drawn primitives move into the image, so the picture looks the
  // same and nothing is painted twice; the drawing surface keeps its scale and
  // pen for what is drawn next.
  void copyToPersistentImage();
  // Sets the persistent image to none. Assigning a new persistent image
  // replaces what was drawn on it, so the drawing surface is erased too.
  void emptyPersistentImage();
  [[nodiscard]] bool hasPersistentImage() const { return hasPersistent_; }
  // The layers of the persistent image, oldest first, each with its own scale.
  [[nodiscard]] const std::vector<Drawing>& persistentImage() const { return persistent_; }

  // Everything on show, bottom first: the persistent image's layers, then the drawing.
  [[nodiscard]] std::vector<Drawing> layers() const;

  // True when nothing at all is on show.
  [[nodiscard]] bool blank() const;

  void setBackground(const QColor& color);
  [[nodiscard]] QColor background() const { return background_; }

  // The point of the drawing's user scale under widget position `pixel`.
  [[nodiscard]] QPointF userPointAt(QPointF pixel) const;

  // Paints background, persistent image and drawing into `target` of any painter
  // (screen, image, printer). The painter's transform scales pen widths with it.
  void paintContent(QPainter& painter, const QRectF& target, double penScale = 1.0) const;

 signals:
  // The pointer moved over the picture: its place in the drawing's user
  // coordinates and in the widget (for a tooltip that follows it).
  void pointerMoved(QPointF user, QPoint pixel);
  // The pointer left the picture.
  void pointerLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  Drawing drawing_;
  std::vector<Drawing> persistent_;
  bool hasPersistent_ = false;
  QColor background_ = Qt::white;
};

// Clears a picture by the rule of the draw and erase commands of the analysis,
// wind-rose and sun-path screens: once the screen's print flag is set, its
// picture carries a persistent image, and clearing empties that image;
// otherwise clearing erases the drawing.
void clearPicture(PictureBox& picture, bool printed);

}  // namespace vlm
