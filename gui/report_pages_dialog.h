// The report dialog: one check box per page of the climate report, in the
// report's order and all ticked at first, with buttons to tick or clear them
// all. OK stays disabled while no page is ticked.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "core/report/report_pages.h"

class QCheckBox;
class QPushButton;

namespace vlm {

class ReportPagesDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit ReportPagesDialog(QWidget* parent = nullptr);
  // The pages ticked.
  [[nodiscard]] ReportPageSet pages() const;

 private:
  void setAll(bool on);
  void updateOk();

  std::vector<QCheckBox*> boxes_;  // chkReportPage_0 … in kReportPages' order
  QPushButton* ok_ = nullptr;
};

// Asks for the pages; nullopt when the dialog is cancelled. Tests replace it.
using ReportPagesAsk = std::function<std::optional<ReportPageSet>(QWidget* parent)>;
[[nodiscard]] ReportPagesAsk systemReportPagesDialog();

}  // namespace vlm
