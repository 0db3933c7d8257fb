// The site choice "위치" of a climate file that records none, as the region
// page and the conversion page offer it: unknown, a built-in region's
// station, an ASOS station, or a site typed in three boxes. Its controls are
// named after the page: cbo<page>Site, txt<page>Latitude, txt<page>Longitude,
// txt<page>UtcOffset and the caption lbl<page>Site.
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "core/climate/site.h"
#include "core/climate/site_choices.h"
#include "core/common/message.h"

class QComboBox;
class QLineEdit;

namespace vlm {

class SiteChoiceBox : public QWidget {
  Q_OBJECT

 public:
  // `page` is the page's number, e.g. "11".
  SiteChoiceBox(const QString& page, QWidget* parent);

  // Whether a site may be chosen at all; the boxes take input only for "직접 입력".
  void setChoosable(bool choosable);

  // The site chosen (none for "모름"); false when a typed site is refused,
  // its message shown to `sink`.
  [[nodiscard]] bool chosenSite(std::optional<Site>& site, MessageSink& sink) const;

 private:
  void enableBoxes();

  std::vector<SiteChoice> choices_;
  QComboBox* list_;
  QLineEdit* latitude_;
  QLineEdit* longitude_;
  QLineEdit* utcOffset_;
  bool choosable_ = true;
};

}  // namespace vlm
