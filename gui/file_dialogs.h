// The open and save file dialogs of the pages, behind a function type that
// page tests replace, and the conversion of the screens' filter strings
// ("description|pattern|description|pattern", first pair selected) into Qt's.
//
// Each dialog serves one purpose (a climate file to load, a conversion source,
// …) and opens in the folder last used for that purpose, kept in the settings'
// section "Folders"; a remembered folder that is gone gives way to the home
// folder. A save dialog proposes a file name and completes a name typed
// without an extension with the suffix of the filter chosen in it.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string_view>

class QFileDialog;
class QSettings;
class QWidget;

namespace vlm {

struct FileDialogRequest {
  QString title;
  QString directory;  // where to open when nothing is remembered for the purpose
  QString filter;     // in Qt's form: "description (pattern);;…" or "description(pattern)"
  QString purpose;    // the key under "Folders"; empty: nothing is remembered
  QString fileName;   // proposed name, without folder
  QString suffix;     // appended (".suffix") to a name typed without one, unless
                      // the chosen filter names its own
  QString* chosenFilter = nullptr;  // where a save dialog reports the filter chosen
                                    // in it (one format may come in several sizes)
};

// The chosen full path, or nullopt when the dialog was cancelled.
using FileDialog = std::function<std::optional<QString>(QWidget* parent, const FileDialogRequest&)>;

// "Velmora용 기후파일(*.cly)|*.cly|모든 파일(*.*)|*.*" →
// "Velmora용 기후파일(*.cly);;모든 파일(*.*)": a description that already ends
// with its patterns in brackets is shown once, as written, and Qt reads the
// patterns from it; any other becomes "description (patterns)". A pattern list
// such as "*.wye;*.try" becomes "*.wye *.try".
[[nodiscard]] QString qtFileFilter(std::string_view filter);

// The extension that a Qt name filter's first pattern names ("SVG 그림(*.svg)"
// → "svg"), or `fallback` when it names none ("모든 파일(*.*)").
[[nodiscard]] QString filterSuffix(const QString& nameFilter, const QString& fallback);

// The folder a dialog of this purpose opens in: the remembered one if it still
// exists, the home folder if it no longer does, else the request's directory.
[[nodiscard]] QString startFolder(const QSettings& settings, const FileDialogRequest& request);
// Remembers the folder of `chosenPath` for the request's purpose.
void rememberFolder(QSettings& settings, const FileDialogRequest& request,
                    const QString& chosenPath);

// The desktop's dialogs, remembering folders in the application's settings.
// Open insists that the file exists.
[[nodiscard]] std::optional<QString> systemOpenFileDialog(QWidget* parent,
                                                          const FileDialogRequest& request);
// Save asks before replacing an existing file only when `confirmOverwrite`.
[[nodiscard]] FileDialog systemSaveFileDialog(bool confirmOverwrite);

}  // namespace vlm
