// What the page tests share: settings in a temporary file (never the user's),
// a printer that prints into a PDF file instead of asking a real printer, and
// a program directory of the test's own.
#pragma once

#include <QPdfWriter>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>

#include "gui/page_printer.h"

namespace vlm::test {

// A QSettings on an ini file inside a temporary folder of this test.
class TestSettings {
 public:
  TestSettings();
  [[nodiscard]] QSettings& settings() { return *settings_; }
  [[nodiscard]] QString path() const { return path_; }
  // A fresh QSettings on the same file, as the next start of the program reads it.
  [[nodiscard]] std::unique_ptr<QSettings> reopen() const;

 private:
  QTemporaryDir dir_;
  QString path_;
  std::unique_ptr<QSettings> settings_;
};

// Answers the print dialog with a fixed number of copies (or a cancel) and
// prints the pages into a PDF file.
class PdfPagePrinter final : public PagePrinter {
 public:
  explicit PdfPagePrinter(std::optional<int> answer = 1);
  std::optional<int> askCopies(QWidget* parent) override;
  bool print(Page& page, int copies) override;
  [[nodiscard]] bool hasPrinter() const override { return hasPrinter_; }
  // As a system without any printer installed.
  void setHasPrinter(bool installed) { hasPrinter_ = installed; }

  [[nodiscard]] int dialogs() const { return dialogs_; }
  // The form names of the printed pages, one entry per print command.
  [[nodiscard]] const QStringList& printedPages() const { return printed_; }
  [[nodiscard]] QString pdfPath() const { return pdfPath_; }
  // Prints into this file instead (a path that cannot be written makes the printer fail).
  void setPdfPath(const QString& path) { pdfPath_ = path; }
  // The number of sheets in the last PDF written.
  [[nodiscard]] int sheetCount() const;

 private:
  std::optional<int> answer_;
  QTemporaryDir dir_;
  QString pdfPath_;
  int dialogs_ = 0;
  QStringList printed_;
  bool hasPrinter_ = true;
};

// A temporary program directory with weather/ and help/.
class ProgramDir {
 public:
  ProgramDir();
  [[nodiscard]] std::string path() const { return dir_.path().toStdString(); }
  [[nodiscard]] QString filePath(const QString& relative) const { return dir_.filePath(relative); }

 private:
  QTemporaryDir dir_;
};

}  // namespace vlm::test
