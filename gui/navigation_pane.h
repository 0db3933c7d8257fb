// The explorer-style navigation pane of the main window: an optional toolbar,
// a tree of groups and leaves on the left and, on the right, the content pane
// that shows the page bound to the selected item, or a local web page.
//
// Pages are added once, hidden, and stay alive while other items are shown, so
// switching items never reloads a page.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>

class QAction;
class QScrollArea;
class QSplitter;
class QStackedWidget;
class QTextBrowser;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace vlm {

class NavigationPane : public QWidget {
  Q_OBJECT

 public:
  explicit NavigationPane(QWidget* parent = nullptr);

  // A group item, created expanded, bound to `page`.
  QTreeWidgetItem* addGroup(const QString& text, QWidget* page);
  // A leaf of `group` bound to a hosted page.
  QTreeWidgetItem* addPageLeaf(QTreeWidgetItem* group, const QString& text, QWidget* page);
  // A leaf of `group` that shows a web page by URL.
  QTreeWidgetItem* addWebLeaf(QTreeWidgetItem* group, const QString& text, const QUrl& url);

  // Selects the first item with this text and shows its page; false when there is none.
  bool selectItem(const QString& text);
  [[nodiscard]] QString selectedText() const;
  // The page bound to the item with this text; nullptr for web leaves and unknown texts.
  [[nodiscard]] QWidget* pageOf(const QString& text) const;
  [[nodiscard]] QUrl urlOf(const QString& text) const;
  // What the content pane shows now: a hosted page, or nullptr for a web page.
  [[nodiscard]] QWidget* shownPage() const;

  // The toolbar with the history buttons (the control's style with toolbar).
  void setToolBarVisible(bool visible);
  [[nodiscard]] bool toolBarVisible() const;
  // The width of the tree pane in pixels.
  void setPaneWidth(int pixels);
  [[nodiscard]] int paneWidth() const;

  [[nodiscard]] QTreeWidget* tree() const { return tree_; }
  [[nodiscard]] QTextBrowser* browser() const { return browser_; }

 signals:
  // The item-selection event, with the selected item's text.
  void itemSelected(const QString& text);

 private:
  struct Binding {
    QWidget* page = nullptr;  // hosted page, or nullptr for a web page
    QUrl url;
  };

  QTreeWidgetItem* addItem(QTreeWidgetItem* group, const QString& text, Binding binding);
  void hostPage(QWidget* page);
  void onCurrentItemChanged(QTreeWidgetItem* current);
  void show(const Binding& binding);
  void goBack();
  void goForward();
  void updateHistoryButtons();
  void printBrowserContent();

  QToolBar* toolBar_;
  QAction* backAction_;
  QAction* forwardAction_;
  QSplitter* splitter_;
  QTreeWidget* tree_;
  QStackedWidget* content_;
  QTextBrowser* browser_;
  QHash<QTreeWidgetItem*, Binding> bindings_;
  QHash<QWidget*, QScrollArea*> hosts_;
  // The items shown so far, for the toolbar's back and forward buttons.
  QList<QTreeWidgetItem*> history_;
  qsizetype historyIndex_ = -1;
  bool navigatingHistory_ = false;
};

}  // namespace vlm
