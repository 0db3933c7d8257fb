// The notice on a page whose screen is still being built, so that an
// unfinished page is plainly unfinished rather than silently empty.
#pragma once

class QWidget;
class QLabel;

namespace vlm {

QLabel* unfinishedNotice(QWidget* parent);

}  // namespace vlm
