#include "helpers/ClassHierarchy.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include <QTreeWidget>

#include "base/HelperFunctions.h"
#include "helpers/ScopedFlag_p.h"
#include "runtime/ClassRegistry.h"

namespace zk {

namespace {

// Names compare ignoring case, as `SameText` does.
std::string Fold(const QString& Text) { return ZKLowerCase(Text.toStdString()); }

// A line's name and parent: the texts before and after its first '=' (a line
// without one is a name with an empty parent).
std::pair<QString, QString> SplitLine(const QString& Line) {
  const qsizetype Eq = Line.indexOf(u'=');
  return Eq < 0 ? std::pair{Line, QString()} : std::pair{Line.left(Eq), Line.mid(Eq + 1)};
}

// Builds the nodes detached from the view (no model signal per node). One
// table, keyed by folded text, holds for every name its parent line, its node
// and whether the placing under way passes through it, so that each step of
// a placing costs one lookup. The first node made for a text is also the
// first in depth-first order: nodes are only added, and a text gets a second
// node only for the fixed "IInterface" pair (root first).
class THierarchyBuilder {
public:
  THierarchyBuilder(const QStringList& Hierarchy, const QStringList* Fallback) {
    FNames.reserve(static_cast<std::size_t>(Hierarchy.size()) + 4);
    for (const QString& Line : Hierarchy) {
      auto [Name, Parent] = SplitLine(Line);
      FNames.try_emplace(Fold(Name), TName{std::move(Parent)});
    }
    if (Fallback)
      for (const QString& Line : *Fallback) {
        auto [Name, Parent] = SplitLine(Line);
        FFallback.try_emplace(Fold(Name), std::move(Parent));
      }
    QTreeWidgetItem* Object = AddRoot("TObject", Entry("TObject"));
    AddChild(*Object, "Exception", Entry("Exception"));
    QTreeWidgetItem* Interface = AddRoot("IInterface", Entry("IInterface"));
    AddChild(*Interface, "IInterface", Entry("IInterface"));
  }

  void PlaceLines(const QStringList& Hierarchy) {
    for (const QString& Line : Hierarchy) {
      const QString Name = SplitLine(Line).first;
      TName& E = Entry(Name);
      Place(Name, E.LineParent, E);
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
  struct TName {
    QString LineParent;
    QTreeWidgetItem* Node = nullptr;
    bool InChain = false;
  };

  // Entries are nodes of the map: references stay valid as it grows.
  TName& Entry(const QString& Text) { return FNames[Fold(Text)]; }
  QString FallbackParent(const QString& Text) const {
    if (FFallback.empty()) return {};
    const auto It = FFallback.find(Fold(Text));
    return It == FFallback.end() ? QString() : It->second;
  }
  static QTreeWidgetItem* Remember(QTreeWidgetItem* Node, TName& E) {
    if (!E.Node) E.Node = Node;
    return Node;
  }
  QTreeWidgetItem* AddRoot(const QString& Text, TName& E) {
    FRoots.push_back(std::make_unique<QTreeWidgetItem>(QStringList{Text}));
    return Remember(FRoots.back().get(), E);
  }
  static QTreeWidgetItem* AddChild(QTreeWidgetItem& Parent, const QString& Text, TName& E) {
    return Remember(new QTreeWidgetItem(&Parent, QStringList{Text}), E);
  }

  // Places Name (entry E) under Parent and returns its node. Walks up the
  // chain of names still to be placed until it reaches a node that exists
  // (or makes a root), then adds the pending names top-down: no recursion,
  // so a chain as long as the list cannot exhaust the stack.
  QTreeWidgetItem* Place(QString Name, QString Parent, TName& First) {
    std::vector<std::pair<QString, TName*>> Pending;  // names to add, child first
    std::vector<TName*> Chain;                        // entries marked InChain
    TName* Current = &First;
    QTreeWidgetItem* Anchor = nullptr;
    while (!Anchor) {
      if (Current->Node) {
        Anchor = Current->Node;
        break;
      }
      Current->InChain = true;
      Chain.push_back(Current);
      if (const TClassInfo* Class = GetClass(Name.toStdString())) {
        const QString ClassName = QString::fromStdString(Class->Name);
        if (!Class->Ancestor) {
          Anchor = AddRoot(ClassName, *Current);
          break;
        }
        Pending.emplace_back(ClassName, Current);
        Name = QString::fromStdString(Class->Ancestor->Name);
        Current = &Entry(Name);
        continue;
      }
      if (Parent.isEmpty()) Parent = FallbackParent(Name);
      TName& P = Entry(Parent);
      if (P.Node) {
        Pending.emplace_back(Name, Current);
        Anchor = P.Node;
      } else if (P.InChain) {
        Anchor = AddRoot(Name, *Current);  // the chain closes on itself: Name becomes its root
      } else {
        Pending.emplace_back(Name, Current);
        QString Grand = P.LineParent;
        if (Grand.isEmpty()) Grand = FallbackParent(Parent);
        if (Grand.isEmpty()) {
          Anchor = AddRoot(Parent, P);
        } else {
          Name = Parent;
          Parent = Grand;
          Current = &P;
        }
      }
    }
    for (auto It = Pending.rbegin(); It != Pending.rend(); ++It) Anchor = AddChild(*Anchor, It->first, *It->second);
    for (TName* E : Chain) E->InChain = false;
    return Anchor;
  }

  std::unordered_map<std::string, TName> FNames;
  std::unordered_map<std::string, QString> FFallback;
  std::vector<std::unique_ptr<QTreeWidgetItem>> FRoots;
};

} // namespace

void CreateHierarchy(const QStringList& Hierarchy, QTreeWidget* TreeView, const QStringList* Fallback) {
  if (!TreeView) return;
  const TScopedFlag<QWidget> NoRepaints(*TreeView, &QWidget::updatesEnabled, &QWidget::setUpdatesEnabled, false);
  THierarchyBuilder Builder(Hierarchy, Fallback);
  Builder.PlaceLines(Hierarchy);
  TreeView->clear();
  Builder.MoveInto(*TreeView);
  TreeView->sortItems(0, Qt::AscendingOrder);
}

} // namespace zk
