#include "gui/report_pages_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/shell_messages.h"

namespace vlm {
namespace {

QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ReportPagesDialog::ReportPagesDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("dlgReportPages");
  setWindowTitle(kReportPagesTitle);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(kReportPagesPrompt, this));
  // Two columns keep the dialog short on a 700-pixel-high screen.
  auto* grid = new QGridLayout;
  const int rows = static_cast<int>((kReportPages.size() + 1) / 2);
  for (std::size_t i = 0; i < kReportPages.size(); ++i) {
    auto* box = new QCheckBox(qs(kReportPages[i].heading), this);
    box->setObjectName(QString("chkReportPage_%1").arg(i));
    box->setChecked(true);
    connect(box, &QCheckBox::toggled, this, &ReportPagesDialog::updateOk);
    const int n = static_cast<int>(i);
    grid->addWidget(box, n % rows, n / rows);
    boxes_.push_back(box);
  }
  layout->addLayout(grid);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* all = buttons->addButton(kReportPagesAll, QDialogButtonBox::ActionRole);
  all->setObjectName("cmdReportPagesAll");
  auto* none = buttons->addButton(kReportPagesNone, QDialogButtonBox::ActionRole);
  none->setObjectName("cmdReportPagesNone");
  connect(all, &QPushButton::clicked, this, [this] { setAll(true); });
  connect(none, &QPushButton::clicked, this, [this] { setAll(false); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setObjectName("cmdReportPagesOk");
  layout->addWidget(buttons);
}

ReportPageSet ReportPagesDialog::pages() const {
  ReportPageSet set;
  for (std::size_t i = 0; i < boxes_.size(); ++i)
    if (boxes_[i]->isChecked()) set.add(kReportPages[i].page);
  return set;
}

void ReportPagesDialog::setAll(bool on) {
  for (QCheckBox* box : boxes_) box->setChecked(on);
}

void ReportPagesDialog::updateOk() { ok_->setEnabled(!pages().empty()); }

ReportPagesAsk systemReportPagesDialog() {
  return [](QWidget* parent) -> std::optional<ReportPageSet> {
    ReportPagesDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.pages();
  };
}

}  // namespace vlm
