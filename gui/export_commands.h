// The export commands of a page: save or copy a figure, copy or save a table.
// A page owns one (a child object, so tests find it and give it their own save
// dialog); the page's figure widgets and tables get context menus and
// shortcuts through attachFigure and attachTable, and the 파일 menu uses the
// shown page's object for its figure commands.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "core/common/message.h"
#include "core/report/text_table.h"
#include "gui/file_dialogs.h"
#include "render/figure.h"

class QWidget;

namespace vlm {

using FigureGetter = std::function<std::optional<render::Figure>()>;
using TableGetter = std::function<std::optional<TextTable>()>;
// The caption (subject | period | kind) from which a saved table is named.
using CaptionGetter = std::function<std::string()>;

// The captions of the commands, in context menus and the 파일 menu.
inline constexpr const char* kSavePictureText = "그림 저장...";
inline constexpr const char* kCopyPictureText = "그림 복사";
inline constexpr const char* kCopyTableText = "표 복사";
inline constexpr const char* kSaveTableText = "표 저장...";
inline constexpr const char* kSavePictureTitle = "그림 저장";
inline constexpr const char* kSaveTableTitle = "표 저장";
inline constexpr std::string_view kPictureFilter =
    "PNG 그림(*.png)|*.png|SVG 그림(*.svg)|*.svg|PDF 문서(*.pdf)|*.pdf";
inline constexpr std::string_view kTableFilter = "CSV 파일(*.csv)|*.csv";

class ExportCommands : public QObject {
  Q_OBJECT

 public:
  ExportCommands(MessageSink& sink, QWidget* page);

  // The save dialog; tests replace it.
  void setSaveFileDialog(FileDialog dialog) { saveFile_ = std::move(dialog); }

  // Gives `widget` a context menu with "그림 저장..." (Ctrl+S) and "그림 복사"
  // (Ctrl+C), enabled only while `figure` has something drawn.
  void attachFigure(QWidget* widget, FigureGetter figure);
  // Gives `widget` a context menu with "표 복사" (Ctrl+C) and "표 저장..."; the
  // save dialog proposes a name from `caption` when there is one.
  void attachTable(QWidget* widget, TableGetter table, CaptionGetter caption = {});

  // Sets every attached command's enabled state from what is on show now (the
  // widgets also do this as their context menu opens and before a shortcut).
  void refresh() const;

  // The commands themselves; false when there was nothing to export, the
  // dialog was cancelled or writing failed (then after an "에러" box). The save
  // dialogs propose a name from the figure's or table's caption; a figure's
  // name has no extension, so that the format chosen in the dialog gives it.
  bool saveFigure(const std::optional<render::Figure>& figure);
  bool copyFigure(const std::optional<render::Figure>& figure);
  bool copyTable(const std::optional<TextTable>& table);
  bool saveTable(const std::optional<TextTable>& table, const std::string& caption = {});

  // The page's export commands, or nullptr when it has none.
  [[nodiscard]] static ExportCommands* of(const QWidget* page);

 private:
  std::optional<QString> askPath(const char* title, std::string_view filter, const QString& suffix,
                                 const std::string& fileName);

  MessageSink& sink_;
  QWidget* page_;
  std::vector<std::function<void()>> refreshers_;
  FileDialog saveFile_;
};

}  // namespace vlm
