// Printing a page: the print dialog and the printer, behind an interface so
// that the print command can be driven without a printer (tests print into a
// PDF writer instead).
#pragma once

#include <QPrinter>
#include <optional>
#include <string>

class QPagedPaintDevice;
class QWidget;

namespace vlm {

class Page;

class PagePrinter {
 public:
  virtual ~PagePrinter() = default;
  // Shows the print dialog; the number of copies asked for, or nullopt when
  // the dialog was cancelled.
  virtual std::optional<int> askCopies(QWidget* parent) = 0;
  // Prints `copies` copies of the page; false when printing failed (the
  // remaining copies are then not printed).
  virtual bool print(Page& page, int copies) = 0;
  // False when the system has no printer installed: the print command then
  // offers a PDF file of the page instead.
  [[nodiscard]] virtual bool hasPrinter() const { return true; }
};

// One copy of the page as an A4 PDF file, through a temporary file renamed
// into place: the page as large as the sheet allows within its margins,
// centred, on a landscape sheet when the page is wider than tall. Throws
// FileError when the file cannot be written and std::runtime_error when the
// page cannot be painted.
void printPageToPdf(Page& page, const std::string& path);

// Prints `copies` copies of the page, one sheet each, on a paged device.
// Returns false, having printed what it could, when the device cannot be painted.
bool printCopies(Page& page, QPagedPaintDevice& device, int copies, bool fillSheet = false);

// The platform's printer and its print dialog titled "인쇄": no selection, no
// page range, no printing to a file; copies are asked for in the dialog and
// printed here one by one, so the driver is told to make one of each.
class SystemPagePrinter final : public PagePrinter {
 public:
  SystemPagePrinter();
  std::optional<int> askCopies(QWidget* parent) override;
  bool print(Page& page, int copies) override;
  [[nodiscard]] bool hasPrinter() const override;

 private:
  QPrinter printer_;
};

}  // namespace vlm
