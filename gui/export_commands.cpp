#include "gui/export_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QMimeData>
#include <QWidget>
#include <vector>

#include "core/common/atomic_file.h"
#include "core/report/figure_caption.h"
#include "gui/guarded.h"
#include "render/figure_file.h"

namespace vlm {
namespace {

// Keeps a widget's export actions enabled exactly while there is something to
// export: checked as the context menu opens and before a shortcut is matched.
class AvailabilityWatch final : public QObject {
 public:
  AvailabilityWatch(QWidget* widget, std::function<bool()> available, std::vector<QAction*> actions)
      : QObject(widget), available_(std::move(available)), actions_(std::move(actions)) {
    widget->installEventFilter(this);
    refresh();
  }

  void refresh() const {
    const bool on = available_();
    for (QAction* action : actions_) action->setEnabled(on);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::ContextMenu || type == QEvent::ShortcutOverride ||
        type == QEvent::FocusIn || type == QEvent::Show)
      refresh();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<bool()> available_;
  std::vector<QAction*> actions_;
};

QAction* addAction(QWidget* widget, const char* name, const char* text,
                   const QKeySequence& shortcut) {
  auto* action = new QAction(QString::fromUtf8(text), widget);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  }
  widget->addAction(action);
  return action;
}

QString withSuffix(const QString& path, const QString& suffix) {
  // The desktop's dialog completes a bare name from the chosen filter; a
  // dialog that still hands one back gets the first format.
  return QFileInfo(path).suffix().isEmpty() ? path + "." + suffix : path;
}

}  // namespace

ExportCommands::ExportCommands(MessageSink& sink, QWidget* page)
    : QObject(page), sink_(sink), page_(page), saveFile_(systemSaveFileDialog(true)) {
  setObjectName("exportCommands");
}

ExportCommands* ExportCommands::of(const QWidget* page) {
  return page != nullptr ? page->findChild<ExportCommands*>(QString(), Qt::FindDirectChildrenOnly)
                         : nullptr;
}

void ExportCommands::attachFigure(QWidget* widget, FigureGetter figure) {
  widget->setContextMenuPolicy(Qt::ActionsContextMenu);
  if (widget->focusPolicy() == Qt::NoFocus) widget->setFocusPolicy(Qt::ClickFocus);
  QAction* save = addAction(widget, "mnuFigureSave", kSavePictureText, QKeySequence::Save);
  QAction* copy = addAction(widget, "mnuFigureCopy", kCopyPictureText, QKeySequence::Copy);
  connect(save, &QAction::triggered, this, [this, figure] { saveFigure(figure()); });
  connect(copy, &QAction::triggered, this, [this, figure] { copyFigure(figure()); });
  auto* watch =
      new AvailabilityWatch(widget, [figure] { return figure().has_value(); }, {save, copy});
  refreshers_.emplace_back([watch] { watch->refresh(); });
}

void ExportCommands::attachTable(QWidget* widget, TableGetter table, CaptionGetter caption) {
  widget->setContextMenuPolicy(Qt::ActionsContextMenu);
  if (widget->focusPolicy() == Qt::NoFocus) widget->setFocusPolicy(Qt::ClickFocus);
  QAction* copy = addAction(widget, "mnuTableCopy", kCopyTableText, QKeySequence::Copy);
  QAction* save = addAction(widget, "mnuTableSave", kSaveTableText, QKeySequence());
  connect(copy, &QAction::triggered, this, [this, table] { copyTable(table()); });
  connect(save, &QAction::triggered, this,
          [this, table, caption] { saveTable(table(), caption ? caption() : std::string()); });
  auto* watch =
      new AvailabilityWatch(widget, [table] { return table().has_value(); }, {copy, save});
  refreshers_.emplace_back([watch] { watch->refresh(); });
}

void ExportCommands::refresh() const {
  for (const auto& refresh : refreshers_) refresh();
}

std::optional<QString> ExportCommands::askPath(const char* title, std::string_view filter,
                                               const QString& suffix, const std::string& fileName) {
  const std::optional<QString> chosen = saveFile_(
      page_, FileDialogRequest{QString::fromUtf8(title), QDir::homePath(), qtFileFilter(filter),
                               "Export", QString::fromStdString(fileName), suffix});
  if (!chosen) return std::nullopt;
  return withSuffix(*chosen, suffix);
}

bool ExportCommands::saveFigure(const std::optional<render::Figure>& figure) {
  if (!figure) return false;
  const std::optional<QString> path =
      askPath(kSavePictureTitle, kPictureFilter, "png", CaptionFileName(figure->caption, ""));
  if (!path) return false;
  return guarded(sink_, [&] { render::saveFigure(*figure, path->toStdString()); });
}

bool ExportCommands::copyFigure(const std::optional<render::Figure>& figure) {
  if (!figure) return false;
  return guarded(sink_, [&] {
    QApplication::clipboard()->setMimeData(render::figureMimeData(*figure).release());
  });
}

bool ExportCommands::copyTable(const std::optional<TextTable>& table) {
  if (!table) return false;
  QApplication::clipboard()->setText(QString::fromStdString(TableTsv(*table)));
  return true;
}

bool ExportCommands::saveTable(const std::optional<TextTable>& table, const std::string& caption) {
  if (!table) return false;
  // A table without a caption of its own is named after its page.
  const std::string named =
      caption.empty() ? FormCaptionKind(page_->windowTitle().toStdString()) : caption;
  const std::optional<QString> path =
      askPath(kSaveTableTitle, kTableFilter, "csv", CaptionFileName(named, "csv"));
  if (!path) return false;
  return guarded(sink_, [&] { writeFileAtomically(path->toStdString(), TableCsv(*table)); });
}

}  // namespace vlm
