#include "gui/pages/site_choice_box.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "core/climate/site_rules.h"

namespace vlm {

SiteChoiceBox::SiteChoiceBox(const QString& page, QWidget* parent)
    : QWidget(parent),
      choices_(siteChoices()),
      list_(new QComboBox(this)),
      latitude_(new QLineEdit(this)),
      longitude_(new QLineEdit(this)),
      utcOffset_(new QLineEdit(this)) {
  list_->setObjectName("cbo" + page + "Site");
  for (const SiteChoice& choice : choices_) list_->addItem(QString::fromStdString(choice.text));
  latitude_->setObjectName("txt" + page + "Latitude");
  longitude_->setObjectName("txt" + page + "Longitude");
  utcOffset_->setObjectName("txt" + page + "UtcOffset");
  utcOffset_->setText(kSiteDefaultUtcText);
  connect(list_, &QComboBox::currentIndexChanged, this, &SiteChoiceBox::enableBoxes);
  auto* label = new QLabel(kSiteChoiceCaption, this);
  label->setObjectName("lbl" + page + "Site");
  label->setBuddy(list_);
  auto* form = new QFormLayout(this);
  form->setContentsMargins(0, 0, 0, 0);
  form->addRow(label, list_);
  form->addRow(kSiteLatitudeCaption, latitude_);
  form->addRow(kSiteLongitudeCaption, longitude_);
  form->addRow(kSiteUtcCaption, utcOffset_);
  enableBoxes();
}

void SiteChoiceBox::setChoosable(bool choosable) {
  choosable_ = choosable;
  enableBoxes();
}

void SiteChoiceBox::enableBoxes() {
  const auto index = static_cast<std::size_t>(std::max(0, list_->currentIndex()));
  const bool typed = choosable_ && choices_[index].typed;
  list_->setEnabled(choosable_);
  for (QLineEdit* box : {latitude_, longitude_, utcOffset_}) box->setEnabled(typed);
}

bool SiteChoiceBox::chosenSite(std::optional<Site>& site, MessageSink& sink) const {
  const SiteChoice& choice =
      choices_[static_cast<std::size_t>(std::max(0, list_->currentIndex()))];
  if (!choice.typed) {
    site = choice.site;
    return true;
  }
  site = ReadTypedSite({latitude_->text().toStdString(), longitude_->text().toStdString(),
                        utcOffset_->text().toStdString()},
                       sink);
  return site.has_value();
}

}  // namespace vlm
