#pragma once
/// Menu helpers over `QMenu` and `QAction`.
#include <functional>

#include <QStringList>

class QAction;
class QMenu;

namespace zk {

/// True when at least one action of Item is neither a separator nor hidden;
/// false for an empty or null menu.
bool IsSubmenuVisible(const QMenu* Item);

/// Called with the action that was triggered.
using TMenuClickEvent = std::function<void(QAction* Sender)>;

/// Appends one action per line of Items to Parent, after its existing
/// actions. The caption is the line, or with Numbered its index from 0, a
/// blank and the line ("0 First", "1 Second"). Triggering an action calls
/// OnClick (when set) with it. The actions are children of Parent and die
/// with it. A null Parent does nothing.
void CreateMenuItemChildren(QMenu* Parent, const QStringList& Items, const TMenuClickEvent& OnClick,
                            bool Numbered);

} // namespace zk
