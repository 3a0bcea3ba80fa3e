#pragma once
/// Finding nodes of a `QTreeWidget` by text or by attached object. Nodes are
/// walked depth-first in the order the tree shows them (a node, then its
/// children, then its next sibling), hidden and collapsed nodes included, in
/// column 0. The finders never change the tree and answer null when nothing
/// matches or the tree is null.
#include <QString>

#include "base/HelperFunctions.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace zk {

/// The item data role under which a node's attached object is held.
inline constexpr int TreeNodeDataRole = Qt::UserRole;

/// Attaches Data to Node (null detaches); the node does not own it.
void SetTreeNodeData(QTreeWidgetItem& Node, const void* Data);
/// The object attached to Node, or null.
const void* TreeNodeData(const QTreeWidgetItem& Node);

/// The first node whose text equals S ignoring case (`SameText`), or null:
/// `FindTextInTreeView(Tree, "tobject")` finds the node "TObject".
QTreeWidgetItem* FindTextInTreeView(const QTreeWidget* TreeView, const QString& S);

/// The first node whose text T matches S by Option, called as (S, T) through
/// `GetStrCompareFunction(CaseSensitive, Option)`: T starts with, ends with,
/// contains or equals S.
QTreeWidgetItem* FindTreeNode(const QTreeWidget* TreeView, const QString& S, bool CaseSensitive,
                              TCompareStringsOption Option);

/// As above, but only among the descendants of StartNode (never StartNode
/// itself, never a node outside its subtree); a null StartNode searches the
/// whole tree.
QTreeWidgetItem* FindTreeNode(const QTreeWidget* TreeView, const QTreeWidgetItem* StartNode,
                              const QString& S, bool CaseSensitive, TCompareStringsOption Option);

/// The first node whose attached object is Data.
QTreeWidgetItem* FindTreeNode(const QTreeWidget* TreeView, const void* Data);

/// As above, among the descendants of StartNode; a null StartNode searches the
/// whole tree.
QTreeWidgetItem* FindTreeNode(const QTreeWidget* TreeView, const QTreeWidgetItem* StartNode,
                              const void* Data);

} // namespace zk
