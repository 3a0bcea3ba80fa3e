#include "helpers/ClassHierarchy.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "base/HelperFunctions.h"
#include "helpers/ScopedFlag_p.h"
#include "runtime/ClassRegistry.h"
#include "runtime/Exceptions.h"

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

// Builds the tree as plain nodes first (no Qt item, no model signal per
// node). One table, keyed by folded text, holds for every name its parent
// line, its node and whether the placing under way passes through it, so
// that each step of a placing costs one lookup. The first node made for a
// text is also the first in depth-first order: nodes are only added, and a
// text gets a second node only for the fixed "IInterface" pair (root first).
// Nothing here recurses: depth is bounded by memory alone until the tree
// becomes Qt items.
class THierarchyBuilder {
public:
  THierarchyBuilder(const QStringList& Hierarchy, const QStringList* Fallback) {
    FNames.reserve(static_cast<std::size_t>(Hierarchy.size()) + 4);
    FNodes.reserve(static_cast<std::size_t>(Hierarchy.size()) + 4);
    for (const QString& Line : Hierarchy) {
      auto [Name, Parent] = SplitLine(Line);
      FNames.try_emplace(Fold(Name), TName{std::move(Parent)});
    }
    if (Fallback)
      for (const QString& Line : *Fallback) {
        auto [Name, Parent] = SplitLine(Line);
        FFallback.try_emplace(Fold(Name), std::move(Parent));
      }
    const int Object = AddRoot("TObject", Entry("TObject"));
    AddChild(Object, "Exception", Entry("Exception"));
    const int Interface = AddRoot("IInterface", Entry("IInterface"));
    AddChild(Interface, "IInterface", Entry("IInterface"));
  }

  void PlaceLines(const QStringList& Hierarchy) {
    for (const QString& Line : Hierarchy) {
      const QString Name = SplitLine(Line).first;
      TName& E = Entry(Name);
      Place(Name, E.LineParent, E);
    }
  }

  // The number of levels, a root being level 1.
  int Depth() const {
    std::vector<std::pair<int, int>> Stack;  // node, level
    for (const int Root : FRoots) Stack.emplace_back(Root, 1);
    int Deepest = 0;
    while (!Stack.empty()) {
      const auto [Node, Level] = Stack.back();
      Stack.pop_back();
      Deepest = std::max(Deepest, Level);
      for (const int Child : FNodes[Node].Children) Stack.emplace_back(Child, Level + 1);
    }
    return Deepest;
  }

  // Sorts every level as the tree's own sort does: stably, by the text
  // compared as QTreeWidgetItem's operator< compares it (case-sensitive
  // QString order). Qt's sort of a whole tree recurses once a level, and a
  // chain some ten thousand levels deep exhausts the stack.
  void SortLevels() {
    const auto Less = [this](int A, int B) { return FNodes[A].Text.compare(FNodes[B].Text) < 0; };
    std::stable_sort(FRoots.begin(), FRoots.end(), Less);
    for (TNode& Node : FNodes) std::stable_sort(Node.Children.begin(), Node.Children.end(), Less);
  }

  // Makes the Qt items top-down in node order and hands the roots over to
  // TreeView, which owns them from then on. An item made under a parent
  // without a view costs no more than its own insertion.
  void MoveInto(QTreeWidget& TreeView) {
    QList<QTreeWidgetItem*> Items;
    Items.reserve(static_cast<qsizetype>(FRoots.size()));
    try {
      std::vector<std::pair<int, QTreeWidgetItem*>> Stack;  // node, its item's parent
      for (auto It = FRoots.rbegin(); It != FRoots.rend(); ++It) Stack.emplace_back(*It, nullptr);
      while (!Stack.empty()) {
        const auto [Node, Parent] = Stack.back();
        Stack.pop_back();
        QTreeWidgetItem* Item = Parent ? new QTreeWidgetItem(Parent, QStringList{FNodes[Node].Text})
                                       : new QTreeWidgetItem(QStringList{FNodes[Node].Text});
        if (!Parent) Items.append(Item);
        const std::vector<int>& Children = FNodes[Node].Children;
        for (auto It = Children.rbegin(); It != Children.rend(); ++It) Stack.emplace_back(*It, Item);
      }
    } catch (...) {
      for (QTreeWidgetItem* Root : Items) Free(Root);
      throw;
    }
    TreeView.addTopLevelItems(Items);
  }

private:
  struct TName {
    QString LineParent;
    int Node = -1;
    bool InChain = false;
  };
  struct TNode {
    QString Text;
    std::vector<int> Children;
  };

  // Frees a detached item one node at a time: deleting an item deletes its
  // children recursively.
  static void Free(QTreeWidgetItem* Root) {
    std::vector<QTreeWidgetItem*> Stack{Root};
    while (!Stack.empty()) {
      QTreeWidgetItem* Item = Stack.back();
      Stack.pop_back();
      for (QTreeWidgetItem* Child : Item->takeChildren()) Stack.push_back(Child);
      delete Item;
    }
  }

  // Entries are nodes of the map: references stay valid as it grows.
  TName& Entry(const QString& Text) { return FNames[Fold(Text)]; }
  QString FallbackParent(const QString& Text) const {
    if (FFallback.empty()) return {};
    const auto It = FFallback.find(Fold(Text));
    return It == FFallback.end() ? QString() : It->second;
  }
  int NewNode(const QString& Text, TName& E) {
    FNodes.push_back(TNode{Text, {}});
    const int Node = static_cast<int>(FNodes.size() - 1);
    if (E.Node < 0) E.Node = Node;
    return Node;
  }
  int AddRoot(const QString& Text, TName& E) {
    const int Node = NewNode(Text, E);
    FRoots.push_back(Node);
    return Node;
  }
  int AddChild(int Parent, const QString& Text, TName& E) {
    const int Node = NewNode(Text, E);
    FNodes[static_cast<std::size_t>(Parent)].Children.push_back(Node);
    return Node;
  }

  // Places Name (entry E) under Parent and returns its node. Walks up the
  // chain of names still to be placed until it reaches a node that exists
  // (or makes a root), then adds the pending names top-down: no recursion,
  // so a chain as long as the list cannot exhaust the stack.
  int Place(QString Name, QString Parent, TName& First) {
    std::vector<std::pair<QString, TName*>> Pending;  // names to add, child first
    std::vector<TName*> Chain;                        // entries marked InChain
    TName* Current = &First;
    int Anchor = -1;
    while (Anchor < 0) {
      if (Current->Node >= 0) {
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
      if (P.Node >= 0) {
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
    for (auto It = Pending.rbegin(); It != Pending.rend(); ++It) Anchor = AddChild(Anchor, It->first, *It->second);
    for (TName* E : Chain) E->InChain = false;
    return Anchor;
  }

  std::unordered_map<std::string, TName> FNames;
  std::unordered_map<std::string, QString> FFallback;
  std::vector<TNode> FNodes;
  std::vector<int> FRoots;
};

} // namespace

void CreateHierarchy(const QStringList& Hierarchy, QTreeWidget* TreeView, const QStringList* Fallback) {
  if (!TreeView) return;
  THierarchyBuilder Builder(Hierarchy, Fallback);
  Builder.PlaceLines(Hierarchy);
  if (const int Depth = Builder.Depth(); Depth > MaxHierarchyDepth)
    throw ERangeError("CreateHierarchy: the hierarchy is " + std::to_string(Depth) + " levels deep, more than the " +
                      std::to_string(MaxHierarchyDepth) + " a tree view can hold");
  Builder.SortLevels();
  const TScopedFlag<QWidget> NoRepaints(*TreeView, &QWidget::updatesEnabled, &QWidget::setUpdatesEnabled, false);
  TreeView->clear();
  Builder.MoveInto(*TreeView);
  // The sort indicator as the tree's own sort leaves it; a view that sorts
  // by itself would sort again on the signal, and the levels are sorted.
  const QSignalBlocker Quiet(TreeView->header());
  TreeView->header()->setSortIndicator(0, Qt::AscendingOrder);
}

} // namespace zk
