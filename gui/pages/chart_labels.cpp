#include "gui/pages/chart_labels.h"

#include <QEvent>
#include <QLabel>

#include "render/picture_box.h"

namespace vlm {
namespace {

// A vertical caption: one character per line.
QString columnText(const QString& text) {
  QStringList chars;
  for (const QChar c : text) chars << QString(c);
  return chars.join('\n');
}

}  // namespace

ChartLabels::ChartLabels(PictureBox* picture) : QObject(picture), picture_(picture) {
  for (const std::string_view name : kAxisLabelNames) {
    auto* label = new QLabel(picture);
    label->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setStyleSheet("background: transparent; color: black;");
    label->hide();
    labels_.push_back(label);
  }
  picture->installEventFilter(this);
}

void ChartLabels::show(const std::vector<AxisLabel>& labels) {
  places_ = labels;
  for (std::size_t i = 0; i < labels_.size() && i < places_.size(); ++i) {
    const AxisLabel& place = places_[i];
    const QString text = QString::fromStdString(place.text);
    labels_[i]->setText(place.vertical ? columnText(text) : text);
    labels_[i]->setAlignment(Qt::AlignCenter);
    labels_[i]->adjustSize();
    labels_[i]->show();
  }
  place();
}

void ChartLabels::hide() {
  for (QLabel* label : labels_) label->hide();
}

bool ChartLabels::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture_ && event->type() == QEvent::Resize) place();
  return QObject::eventFilter(watched, event);
}

// Chart units to picture pixels through the drawing's user scale, which fills
// the picture as the drawing does.
void ChartLabels::place() {
  const UserScale s = picture_->drawing().scale();
  const double spanX = static_cast<double>(s.right) - s.left;
  const double spanY = static_cast<double>(s.top) - s.bottom;
  if (spanX == 0.0 || spanY == 0.0) return;
  for (std::size_t i = 0; i < labels_.size() && i < places_.size(); ++i) {
    const AxisLabel& p = places_[i];
    QLabel* label = labels_[i];
    const double x = (p.x - s.left) / spanX * picture_->width();
    const double y = (s.top - p.y) / spanY * picture_->height();
    const QSize size = label->size();
    double left = x;
    if (p.hAlign == HAlign::Center) left -= size.width() / 2.0;
    if (p.hAlign == HAlign::Right) left -= size.width();
    double top = y;
    if (p.vAlign == VAlign::Middle) top -= size.height() / 2.0;
    if (p.vAlign == VAlign::Bottom) top -= size.height();
    label->move(static_cast<int>(left), static_cast<int>(top));
  }
}

}  // namespace vlm
