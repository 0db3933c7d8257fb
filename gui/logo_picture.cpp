#include "gui/logo_picture.h"

#include <QPainter>
#include <QSvgRenderer>

// The images are compiled into the static library; registering them here
// keeps the linker from dropping them from the programs that use a logo.
static void initGuiResources() { Q_INIT_RESOURCE(gui); }

namespace vlm {

LogoPicture::LogoPicture(int sizePx, QWidget* parent) : QWidget(parent) {
  initGuiResources();
  renderer_ = new QSvgRenderer(QStringLiteral(":/images/logo.svg"), this);
  setFixedSize(sizePx, sizePx);
}

bool LogoPicture::valid() const { return renderer_->isValid(); }

void LogoPicture::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_->render(&painter, QRectF(rect()));
}

}  // namespace vlm
