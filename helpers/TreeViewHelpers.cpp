#include "helpers/TreeViewHelpers.h"

#include <utility>
#include <vector>

#include <QTreeWidget>

#include "base/StringTests.h"

namespace zk {

namespace {

// The first strict descendant of Start, in depth-first order, for which
// Matches is true. Iterative with a stack of (parent, next child index), so
// that neither deep nor wide trees cost more than one visit per node.
template <class Predicate>
QTreeWidgetItem* FirstDescendant(const QTreeWidgetItem* Start, Predicate Matches) {
  std::vector<std::pair<const QTreeWidgetItem*, int>> Stack{{Start, 0}};
  while (!Stack.empty()) {
    auto& [Parent, Next] = Stack.back();
    if (Next >= Parent->childCount()) {
      Stack.pop_back();
      continue;
    }
    QTreeWidgetItem* Child = Parent->child(Next++);
    if (Matches(*Child)) return Child;
    if (Child->childCount() > 0) Stack.emplace_back(Child, 0);
  }
  return nullptr;
}

const QTreeWidgetItem* SearchRoot(const QTreeWidget* TreeView, const QTreeWidgetItem* StartNode) {
  if (StartNode) return StartNode;
  return TreeView ? TreeView->invisibleRootItem() : nullptr;
}

} // namespace

void SetTreeNodeData(QTreeWidgetItem& Node, const void* Data) {
  Node.setData(0, TreeNodeDataRole, QVariant::fromValue(reinterpret_cast<quintptr>(Data)));
}

const void* TreeNodeData(const QTreeWidgetItem& Node) {
  return reinterpret_cast<const void*>(Node.data(0, TreeNodeDataRole).value<quintptr>());
}

QTreeWidgetItem* FindTextInTreeView(const QTreeWidget* TreeView, const QString& S) {
  if (!TreeView) return nullptr;
  const std::string Wanted = S.toStdString();
  return FirstDescendant(TreeView->invisibleRootItem(), [&](const QTreeWidgetItem& Node) {
    return SameText(Wanted, Node.text(0).toStdString());
  });
}

QTreeWidgetItem* FindTreeNode(const QTreeWidget* TreeView, const QString& S, bool CaseSensitive,
                              TCompareStringsOption Option) {
  return FindTreeNode(TreeView, nullptr, S, CaseSensitive, Option);
}

QTreeWidgetItem* FindTreeNode(const QTreeWidget* TreeView, const QTreeWidgetItem* StartNode,
                              const QString& S, bool CaseSensitive, TCompareStringsOption Option) {
  const QTreeWidgetItem* Root = SearchRoot(TreeView, StartNode);
  if (!Root) return nullptr;
  const TStrCompareFunction Compare = GetStrCompareFunction(CaseSensitive, Option);
  const std::string Wanted = S.toStdString();
  return FirstDescendant(Root, [&](const QTreeWidgetItem& Node) {
    return Compare(Wanted, Node.text(0).toStdString());
  });
}

QTreeWidgetItem* FindTreeNode(const QTreeWidget* TreeView, const void* Data) {
  return FindTreeNode(TreeView, nullptr, Data);
}

QTreeWidgetItem* FindTreeNode(const QTreeWidget* TreeView, const QTreeWidgetItem* StartNode,
                              const void* Data) {
  const QTreeWidgetItem* Root = SearchRoot(TreeView, StartNode);
  if (!Root) return nullptr;
  return FirstDescendant(Root, [&](const QTreeWidgetItem& Node) { return TreeNodeData(Node) == Data; });
}

} // namespace zk
