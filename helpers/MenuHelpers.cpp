#include "helpers/MenuHelpers.h"

#include <QAction>
#include <QMenu>

namespace zk {

bool IsSubmenuVisible(const QMenu* Item) {
  if (!Item) return false;
  for (const QAction* Child : Item->actions())
    if (!Child->isSeparator() && Child->isVisible()) return true;
  return false;
}

void CreateMenuItemChildren(QMenu* Parent, const QStringList& Items, const TMenuClickEvent& OnClick,
                            bool Numbered) {
  if (!Parent) return;
  for (qsizetype I = 0; I < Items.size(); ++I) {
    const QString Caption = Numbered ? QString::number(I) + u' ' + Items[I] : Items[I];
    auto* Item = new QAction(Caption, Parent);
    if (OnClick) QObject::connect(Item, &QAction::triggered, Item, [OnClick, Item] { OnClick(Item); });
    Parent->addAction(Item);
  }
}

} // namespace zk
