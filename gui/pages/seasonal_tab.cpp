#include "gui/pages/seasonal_tab.h"

#include <QPushButton>

#include "core/draw/drawing.h"
#include "core/seasonal/seasonal_messages.h"
#include "gui/app_state.h"
#include "gui/guarded.h"
#include "render/picture_box.h"

namespace vlm {

SeasonalTab::SeasonalTab(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {}

void SeasonalTab::whenLoaded(const std::function<void()>& work) const {
  if (!state_.climate().loaded()) {
    state_.sink().show(NoSeasonalRegionMessage());
    return;
  }
  guarded(state_.sink(), work);
}

QPushButton* SeasonalTab::button(const QString& caption, const QString& name, const QString& tip,
                                 const std::function<void()>& handler) {
  auto* b = new QPushButton(caption, this);
  b->setObjectName(name);
  b->setToolTip(tip);
  connect(b, &QPushButton::clicked, this, handler);
  return b;
}

void showDrawing(PictureBox& picture, Drawing drawing) {
  clearPicture(picture, picture.hasPersistentImage());
  picture.setDrawing(std::move(drawing));
}

void erasePicture(PictureBox& picture) { clearPicture(picture, picture.hasPersistentImage()); }

std::optional<render::Figure> pictureFigure(const PictureBox& picture, const std::string& caption) {
  if (picture.blank()) return std::nullopt;
  return render::drawingFigure(picture.layers(), QSizeF(picture.size()), caption);
}

QString utf8Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vlm
