// Widget helpers of the frm31 sources: plain-text captions (they hold "<="
// and CR LF, never markup), buttons with tooltips, and the names of a
// diagram's nine labels.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <array>
#include <string_view>

#include "core/solar/shading_texts.h"

namespace vlm::frm31 {

inline QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QLabel* plainLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

inline QPushButton* button(const QString& name, const QString& text, const QString& tip,
                           QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setToolTip(tip);
  return b;
}

// The check box that puts the loaded year on a diagram; its page sets whether
// it is in use.
inline QCheckBox* climateBox(const QString& name, QWidget* parent) {
  auto* box = new QCheckBox(qs(kClimateOverlayCaption), parent);
  box->setObjectName(name);
  return box;
}

// lbl31SchartN, …S, …E, …W, …V0 … V80; the mask's direction labels end in "1".
inline std::array<QString, 9> labelNames(const QString& prefix, const QString& directionSuffix) {
  std::array<QString, 9> names;
  const std::array<const char*, 4> directions = {"N", "S", "E", "W"};
  for (std::size_t i = 0; i < 4; ++i) names[i] = prefix + directions[i] + directionSuffix;
  for (std::size_t i = 4; i < 9; ++i) names[i] = prefix + "V" + QString::number((i - 4) * 20);
  return names;
}

}  // namespace vlm::frm31
