#include "gui/navigation_pane.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vlm {

NavigationPane::NavigationPane(QWidget* parent)
    : QWidget(parent),
      toolBar_(new QToolBar(this)),
      splitter_(new QSplitter(Qt::Horizontal, this)),
      tree_(new QTreeWidget(splitter_)),
      content_(new QStackedWidget(splitter_)),
      browser_(new QTextBrowser(content_)) {
  toolBar_->setObjectName("navToolBar");
  toolBar_->setMovable(false);
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  backAction_ = toolBar_->addAction(style()->standardIcon(QStyle::SP_ArrowBack), "뒤로");
  backAction_->setObjectName("navBack");
  backAction_->setToolTip("이전에 본 화면으로 돌아갑니다.");
  forwardAction_ = toolBar_->addAction(style()->standardIcon(QStyle::SP_ArrowForward), "앞으로");
  forwardAction_->setObjectName("navForward");
  forwardAction_->setToolTip("다음에 본 화면으로 갑니다.");
  connect(backAction_, &QAction::triggered, this, &NavigationPane::goBack);
  connect(forwardAction_, &QAction::triggered, this, &NavigationPane::goForward);

  splitter_->setObjectName("navSplitter");
  splitter_->setChildrenCollapsible(false);
  tree_->setObjectName("navTree");
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  tree_->setRootIsDecorated(true);
  tree_->setMinimumWidth(120);
  content_->setObjectName("contentPane");
  browser_->setObjectName("webBrowser");
  browser_->setOpenExternalLinks(true);
  browser_->setContextMenuPolicy(Qt::CustomContextMenu);
  content_->addWidget(browser_);
  splitter_->setStretchFactor(0, 0);
  splitter_->setStretchFactor(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar_);
  layout->addWidget(splitter_, 1);

  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current, QTreeWidgetItem*) { onCurrentItemChanged(current); });
  // The help pages are printed from their own context menu.
  connect(browser_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu* menu = browser_->createStandardContextMenu(at);
    menu->addSeparator();
    QAction* print = menu->addAction("인쇄...");
    connect(print, &QAction::triggered, this, &NavigationPane::printBrowserContent);
    menu->exec(browser_->mapToGlobal(at));
    delete menu;
  });
  updateHistoryButtons();
}

QTreeWidgetItem* NavigationPane::addGroup(const QString& text, QWidget* page) {
  QTreeWidgetItem* item = addItem(nullptr, text, Binding{page, {}});
  QFont bold = item->font(0);
  bold.setBold(true);
  item->setFont(0, bold);
  item->setExpanded(true);
  return item;
}

QTreeWidgetItem* NavigationPane::addPageLeaf(QTreeWidgetItem* group, const QString& text,
                                             QWidget* page) {
  return addItem(group, text, Binding{page, {}});
}

QTreeWidgetItem* NavigationPane::addWebLeaf(QTreeWidgetItem* group, const QString& text,
                                            const QUrl& url) {
  return addItem(group, text, Binding{nullptr, url});
}

QTreeWidgetItem* NavigationPane::addItem(QTreeWidgetItem* group, const QString& text,
                                         Binding binding) {
  if (binding.page != nullptr) hostPage(binding.page);
  auto* item = group != nullptr ? new QTreeWidgetItem(group, QStringList{text})
                                : new QTreeWidgetItem(tree_, QStringList{text});
  bindings_.insert(item, binding);
  if (group != nullptr) group->setExpanded(true);
  return item;
}

void NavigationPane::hostPage(QWidget* page) {
  if (hosts_.contains(page)) return;
  // A page larger than the pane scrolls instead of forcing the window's size.
  auto* host = new QScrollArea(content_);
  host->setObjectName(page->objectName() + "_host");
  host->setWidgetResizable(true);
  host->setFrameShape(QFrame::NoFrame);
  host->setWidget(page);
  content_->addWidget(host);
  hosts_.insert(page, host);
}

bool NavigationPane::selectItem(const QString& text) {
  const QList<QTreeWidgetItem*> found =
      tree_->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  if (found.isEmpty()) return false;
  if (tree_->currentItem() == found.first()) {
    show(bindings_.value(found.first()));
    emit itemSelected(text);
  } else {
    tree_->setCurrentItem(found.first());
  }
  return true;
}

QString NavigationPane::selectedText() const {
  const QTreeWidgetItem* item = tree_->currentItem();
  return item != nullptr ? item->text(0) : QString();
}

QWidget* NavigationPane::pageOf(const QString& text) const {
  const QList<QTreeWidgetItem*> found =
      tree_->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : bindings_.value(found.first()).page;
}

QUrl NavigationPane::urlOf(const QString& text) const {
  const QList<QTreeWidgetItem*> found =
      tree_->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? QUrl() : bindings_.value(found.first()).url;
}

QWidget* NavigationPane::shownPage() const {
  QWidget* shown = content_->currentWidget();
  if (shown == browser_) return nullptr;
  auto* host = qobject_cast<QScrollArea*>(shown);
  return host != nullptr ? host->widget() : nullptr;
}

void NavigationPane::setToolBarVisible(bool visible) { toolBar_->setVisible(visible); }

bool NavigationPane::toolBarVisible() const { return !toolBar_->isHidden(); }

void NavigationPane::setPaneWidth(int pixels) {
  const int total = splitter_->width();
  const int left = std::max(tree_->minimumWidth(), pixels);
  splitter_->setSizes({left, std::max(1, total - left)});
}

int NavigationPane::paneWidth() const { return splitter_->sizes().value(0); }

void NavigationPane::onCurrentItemChanged(QTreeWidgetItem* current) {
  if (current == nullptr) return;
  show(bindings_.value(current));
  if (!navigatingHistory_) {
    // A new selection drops the forward part of the history.
    history_ = history_.mid(0, historyIndex_ + 1);
    history_.append(current);
    historyIndex_ = history_.size() - 1;
  }
  updateHistoryButtons();
  emit itemSelected(current->text(0));
}

void NavigationPane::show(const Binding& binding) {
  if (binding.page != nullptr) {
    content_->setCurrentWidget(hosts_.value(binding.page));
  } else {
    browser_->setSource(binding.url);
    content_->setCurrentWidget(browser_);
  }
}

void NavigationPane::goBack() {
  if (historyIndex_ <= 0) return;
  navigatingHistory_ = true;
  --historyIndex_;
  tree_->setCurrentItem(history_.at(historyIndex_));
  navigatingHistory_ = false;
  updateHistoryButtons();
}

void NavigationPane::goForward() {
  if (historyIndex_ + 1 >= history_.size()) return;
  navigatingHistory_ = true;
  ++historyIndex_;
  tree_->setCurrentItem(history_.at(historyIndex_));
  navigatingHistory_ = false;
  updateHistoryButtons();
}

void NavigationPane::updateHistoryButtons() {
  backAction_->setEnabled(historyIndex_ > 0);
  forwardAction_->setEnabled(historyIndex_ + 1 < history_.size());
}

void NavigationPane::printBrowserContent() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle("인쇄");
  if (dialog.exec() != QDialog::Accepted) return;
  browser_->document()->print(&printer);
}

}  // namespace vlm
