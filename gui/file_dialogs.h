// The open and save file dialogs of the pages, behind a function type that
// page tests replace, and the conversion of the screens' filter strings
// ("description|pattern|description|pattern", first pair selected) into Qt's.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string_view>

class QWidget;

namespace vlm {

struct FileDialogRequest {
  QString title;
  QString directory;
  QString filter;  // in Qt's form: "description (pattern);;…"
};

// The chosen full path, or nullopt when the dialog was cancelled.
using FileDialog = std::function<std::optional<QString>(QWidget* parent, const FileDialogRequest&)>;

// "Velmora용 기후파일(*.cly)|*.cly|모든 파일(*.*)|*.*" →
// "Velmora용 기후파일(*.cly) (*.cly);;모든 파일(*.*) (*)". A pattern list such as
// "*.wye;*.try" becomes "*.wye *.try"; "*.*" becomes "*", which on this
// platform also matches names without a dot.
[[nodiscard]] QString qtFileFilter(std::string_view filter);

// The desktop's dialogs. Open insists that the file exists.
[[nodiscard]] std::optional<QString> systemOpenFileDialog(QWidget* parent,
                                                          const FileDialogRequest& request);
// Save asks before replacing an existing file only when `confirmOverwrite`.
[[nodiscard]] FileDialog systemSaveFileDialog(bool confirmOverwrite);

}  // namespace vlm
