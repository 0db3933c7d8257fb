#include "gui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>

namespace vlm {
namespace {

constexpr const char* kFoldersSection = "Folders/";

std::optional<QString> runDialog(QWidget* parent, const FileDialogRequest& request,
                                 QFileDialog::AcceptMode mode, QFileDialog::Options options) {
  QSettings settings;
  QFileDialog dialog(parent, request.title, startFolder(settings, request));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setOptions(options);
  dialog.setNameFilters(request.filter.split(";;"));
  if (!request.suffix.isEmpty()) {
    // Qt appends the suffix only to a name typed without one; it follows the
    // chosen filter, so that "chart" under "SVG 그림(*.svg)" becomes chart.svg
    // (and the question before replacing a file asks about that one).
    const auto follow = [&dialog, &request](const QString& nameFilter) {
      dialog.setDefaultSuffix(filterSuffix(nameFilter, request.suffix));
    };
    follow(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
  }
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString chosen = dialog.selectedFiles().constFirst();
  if (request.chosenFilter != nullptr) *request.chosenFilter = dialog.selectedNameFilter();
  rememberFolder(settings, request, chosen);
  return chosen;
}

}  // namespace

QString qtFileFilter(std::string_view filter) {
  const QStringList parts =
      QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split('|');
  QStringList pairs;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) pattern = pattern.trimmed();
    const QString bracketed = "(" + patterns.join(' ') + ")";
    pairs << (description.endsWith(bracketed) ? description : description + " " + bracketed);
  }
  return pairs.join(";;");
}

QString filterSuffix(const QString& nameFilter, const QString& fallback) {
  static const QRegularExpression patterns(R"(\(([^()]*)\)\s*$)");
  static const QRegularExpression extension(R"(^\*\.(\w+)$)");
  const QRegularExpressionMatch list = patterns.match(nameFilter);
  if (!list.hasMatch()) return fallback;
  const QString first = list.captured(1).split(' ', Qt::SkipEmptyParts).value(0);
  const QRegularExpressionMatch named = extension.match(first);
  return named.hasMatch() ? named.captured(1) : fallback;
}

QString startFolder(const QSettings& settings, const FileDialogRequest& request) {
  const QString key = kFoldersSection + request.purpose;
  if (request.purpose.isEmpty() || !settings.contains(key)) return request.directory;
  const QString remembered = settings.value(key).toString();
  return QFileInfo(remembered).isDir() ? remembered : QDir::homePath();
}

void rememberFolder(QSettings& settings, const FileDialogRequest& request,
                    const QString& chosenPath) {
  if (request.purpose.isEmpty()) return;
  settings.setValue(kFoldersSection + request.purpose, QFileInfo(chosenPath).absolutePath());
}

std::optional<QString> systemOpenFileDialog(QWidget* parent, const FileDialogRequest& request) {
  return runDialog(parent, request, QFileDialog::AcceptOpen, QFileDialog::Options());
}

FileDialog systemSaveFileDialog(bool confirmOverwrite) {
  return [confirmOverwrite](QWidget* parent,
                            const FileDialogRequest& request) -> std::optional<QString> {
    const QFileDialog::Options options =
        confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return runDialog(parent, request, QFileDialog::AcceptSave, options);
  };
}

}  // namespace vlm
