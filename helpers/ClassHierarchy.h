#pragma once
/// Fills a tree view with a class hierarchy.
#include <QStringList>

class QTreeWidget;

namespace zk {

/// The most levels `CreateHierarchy` builds (a root is level 1). Qt frees a
/// tree's nodes recursively, a stack frame a level, and fails on chains not
/// far past 100,000 levels; this bound keeps clear of that.
inline constexpr int MaxHierarchyDepth = 65536;

/// Replaces the nodes of TreeView with the classes named in Hierarchy, whose
/// lines are "Name=Parent" (a line without '=' is a name with an empty
/// parent; the parent of a name is taken from its first line, names compared
/// ignoring case). The tree starts with the roots "TObject" (child
/// "Exception") and "IInterface" (child "IInterface"). Each name is placed
/// once, in line order, under the first node whose text equals its parent
/// ignoring case:
///  - a name registered with the class registry hangs under its registered
///    ancestor, which is placed first the same way; registered ancestry wins
///    over the lines;
///  - otherwise an empty parent is looked up in Fallback (may be null); a
///    parent not yet in the tree is placed first by its own line, else by its
///    Fallback line, else as a new root (an empty parent text makes a root
///    with empty text);
///  - a name whose parent chain leads back to itself ("A=B", "B=A", or
///    "A=A") becomes a root where the chain closes, so the placing ends.
/// Finally the whole tree is sorted by text, every level, as the tree's own
/// sort orders it (a stable sort by `QTreeWidgetItem::operator<`), one level
/// at a time, so that deep hierarchies need no deep stack; the header's sort
/// indicator is set to column 0 ascending. Window updates are suspended
/// meanwhile and restored on every path. Time is linear in the number of
/// lines (plus the sort); a null TreeView does nothing. A hierarchy more than
/// `MaxHierarchyDepth` levels deep raises `ERangeError` and leaves TreeView
/// as it was. "TBeta=TAlpha" and "TAlpha=TRoot" give TRoot > TAlpha >
/// TBeta in either line order.
void CreateHierarchy(const QStringList& Hierarchy, QTreeWidget* TreeView, const QStringList* Fallback);

} // namespace zk
