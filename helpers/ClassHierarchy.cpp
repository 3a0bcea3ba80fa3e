#include "helpers/ClassHierarchy.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <QTreeWidget>

#include "base/HelperFunctions.h"
#include "runtime/ClassRegistry.h"

namespace zk {

namespace {

// Names compare ignoring case, as `SameText` does.
std::string Fold(const QString& Text) { return ZKLowerCase(Text.toStdString()); }

// The "name=parent" lines of a list: the parent of the first line per name.
class THierarchyLines {
public:
  explicit THierarchyLines(const QStringList* Lines) {
    if (!Lines) return;
    for (const QString& Line : *Lines) {
      const qsizetype Eq = Line.indexOf(u'=');
      const QString Name = Eq < 0 ? Line : Line.left(Eq);
      FParents.try_emplace(Fold(Name), Eq < 0 ? QString() : Line.mid(Eq + 1));
    }
  }
  QString ParentOf(const QString& Name) const {
    const auto It = FParents.find(Fold(Name));
    return It == FParents.end() ? QString() : It->second;
  }

private:
  std::unordered_map<std::string, QString> FParents;
};

// Builds the nodes detached from the view (no model signal per node) and
// finds them by folded text in constant time. The first node made for a text
// is also the first in depth-first order: nodes are only added, and a text
// gets a second node only for the fixed "IInterface" pair (root first).
class THierarchyBuilder {
public:
  THierarchyBuilder(const QStringList& Hierarchy, const QStringList* Fallback)
      : FLines(&Hierarchy), FFallback(Fallback) {
    QTreeWidgetItem* Object = AddRoot("TObject");
    AddChild(*Object, "Exception");
    QTreeWidgetItem* Interface = AddRoot("IInterface");
    AddChild(*Interface, "IInterface");
  }

  void PlaceLines(const QStringList& Hierarchy) {
    for (const QString& Line : Hierarchy) {
      const qsizetype Eq = Line.indexOf(u'=');
      const QString Name = Eq < 0 ? Line : Line.left(Eq);
      Place(Name, FLines.ParentOf(Name));
    }
  }

  // Hands the roots over to TreeView, which owns them from then on.
  void MoveInto(QTreeWidget& TreeView) {
    QList<QTreeWidgetItem*> Items;
    Items.reserve(static_cast<qsizetype>(FRoots.size()));
    for (auto& Root : FRoots) Items.append(Root.get());
    TreeView.addTopLevelItems(Items);
    for (auto& Root : FRoots) Root.release();
    FRoots.clear();
  }

private:
  QTreeWidgetItem* Find(const QString& Text) const {
    const auto It = FNodes.find(Fold(Text));
    return It == FNodes.end() ? nullptr : It->second;
  }
  QTreeWidgetItem* Remember(QTreeWidgetItem* Node) {
    FNodes.try_emplace(Fold(Node->text(0)), Node);
    return Node;
  }
  QTreeWidgetItem* AddRoot(const QString& Text) {
    FRoots.push_back(std::make_unique<QTreeWidgetItem>(QStringList{Text}));
    return Remember(FRoots.back().get());
  }
  QTreeWidgetItem* AddChild(QTreeWidgetItem& Parent, const QString& Text) {
    return Remember(new QTreeWidgetItem(&Parent, QStringList{Text}));
  }

  // Places Name under Parent and returns its node. Walks up the chain of
  // names still to be placed until it reaches a node that exists (or makes a
  // root), then adds the pending names top-down: no recursion, so a chain as
  // long as the list cannot exhaust the stack.
  QTreeWidgetItem* Place(QString Name, QString Parent) {
    std::vector<QString> Pending;             // names to add, child first
    std::unordered_set<std::string> InChain;  // folded names of Pending and Name
    QTreeWidgetItem* Anchor = nullptr;
    while (!Anchor) {
      if (QTreeWidgetItem* Existing = Find(Name)) {
        Anchor = Existing;
        break;
      }
      if (const TClassInfo* Class = GetClass(Name.toStdString())) {
        if (!Class->Ancestor) {
          Anchor = AddRoot(QString::fromStdString(Class->Name));
          break;
        }
        Pending.push_back(QString::fromStdString(Class->Name));
        InChain.insert(Fold(Name));
        Name = QString::fromStdString(Class->Ancestor->Name);
        continue;
      }
      if (Parent.isEmpty()) Parent = FFallback.ParentOf(Name);
      InChain.insert(Fold(Name));
      if (QTreeWidgetItem* ParentNode = Find(Parent)) {
        Pending.push_back(Name);
        Anchor = ParentNode;
      } else if (InChain.count(Fold(Parent))) {
        Anchor = AddRoot(Name);  // the chain closes on itself: Name becomes its root
      } else {
        Pending.push_back(Name);
        QString Grand = FLines.ParentOf(Parent);
        if (Grand.isEmpty()) Grand = FFallback.ParentOf(Parent);
        if (Grand.isEmpty()) {
          Anchor = AddRoot(Parent);
        } else {
          Name = Parent;
          Parent = Grand;
        }
      }
    }
    for (auto It = Pending.rbegin(); It != Pending.rend(); ++It) Anchor = AddChild(*Anchor, *It);
    return Anchor;
  }

  THierarchyLines FLines, FFallback;
  std::vector<std::unique_ptr<QTreeWidgetItem>> FRoots;
  std::unordered_map<std::string, QTreeWidgetItem*> FNodes;
};

// Suspends a widget's repaints and restores the previous state on every path.
class TUpdatesSuspended {
public:
  explicit TUpdatesSuspended(QWidget& Widget) : FWidget(Widget), FWas(Widget.updatesEnabled()) {
    FWidget.setUpdatesEnabled(false);
  }
  ~TUpdatesSuspended() { FWidget.setUpdatesEnabled(FWas); }
  TUpdatesSuspended(const TUpdatesSuspended&) = delete;
  TUpdatesSuspended& operator=(const TUpdatesSuspended&) = delete;

private:
  QWidget& FWidget;
  bool FWas;
};

} // namespace

void CreateHierarchy(const QStringList& Hierarchy, QTreeWidget* TreeView, const QStringList* Fallback) {
  if (!TreeView) return;
  TUpdatesSuspended Suspended(*TreeView);
  THierarchyBuilder Builder(Hierarchy, Fallback);
  Builder.PlaceLines(Hierarchy);
  TreeView->clear();
  Builder.MoveInto(*TreeView);
  TreeView->sortItems(0, Qt::AscendingOrder);
}

} // namespace zk
