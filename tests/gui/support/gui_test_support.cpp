#include "tests/gui/support/gui_test_support.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "gui/pages/page.h"

namespace vlm::test {

TestSettings::TestSettings()
    : path_(dir_.filePath("settings.ini")),
      settings_(std::make_unique<QSettings>(path_, QSettings::IniFormat)) {}

std::unique_ptr<QSettings> TestSettings::reopen() const {
  return std::make_unique<QSettings>(path_, QSettings::IniFormat);
}

PdfPagePrinter::PdfPagePrinter(std::optional<int> answer)
    : answer_(answer), pdfPath_(dir_.filePath("printed.pdf")) {}

std::optional<int> PdfPagePrinter::askCopies(QWidget* /*parent*/) {
  ++dialogs_;
  return answer_;
}

bool PdfPagePrinter::print(Page& page, int copies) {
  printed_.append(page.objectName());
  QPdfWriter writer(pdfPath_);
  writer.setResolution(300);
  return printCopies(page, writer, copies);
}

int PdfPagePrinter::sheetCount() const {
  QFile file(pdfPath_);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const QString content = QString::fromLatin1(file.readAll());
  // Each sheet is one page object; the page tree itself is "/Type /Pages".
  return static_cast<int>(content.count(QRegularExpression("/Type\\s*/Page[^s]")));
}

ProgramDir::ProgramDir() {
  QDir(dir_.path()).mkpath("weather");
  QDir(dir_.path()).mkpath("help");
}

}  // namespace vlm::test
