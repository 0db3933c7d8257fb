#include "gui/pages/pointer_readout.h"

#include <QCoreApplication>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QWidget>

namespace vlm {

void showPointerReadout(QWidget& picture, const QString& text, QPoint pixel) {
  // A status tip travels up to the main window, which shows it in its status bar.
  QStatusTipEvent tip(text);
  QCoreApplication::sendEvent(&picture, &tip);
  if (text.isEmpty()) {
    QToolTip::hideText();
  } else {
    QString lines = text;
    lines.replace(QStringLiteral(" | "), QStringLiteral("\n"));
    QToolTip::showText(picture.mapToGlobal(pixel), lines, &picture);
  }
}

}  // namespace vlm
