#include "gui/file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace vlm {

QString qtFileFilter(std::string_view filter) {
  const QStringList parts =
      QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split('|');
  QStringList pairs;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == "*.*") pattern = "*";
    }
    pairs << parts[i].trimmed() + " (" + patterns.join(' ') + ")";
  }
  return pairs.join(";;");
}

std::optional<QString> systemOpenFileDialog(QWidget* parent, const FileDialogRequest& request) {
  const QString chosen =
      QFileDialog::getOpenFileName(parent, request.title, request.directory, request.filter);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

FileDialog systemSaveFileDialog(bool confirmOverwrite) {
  return [confirmOverwrite](QWidget* parent,
                            const FileDialogRequest& request) -> std::optional<QString> {
    const QFileDialog::Options options =
        confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    const QString chosen = QFileDialog::getSaveFileName(parent, request.title, request.directory,
                                                        request.filter, nullptr, options);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
  };
}

}  // namespace vlm
