#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTreeWidget>

#include "helpers/ClassHierarchy.h"
#include "helpers/MenuHelpers.h"
#include "helpers/TreeViewHelpers.h"
#include "runtime/ClassRegistry.h"
#include "runtime/Exceptions.h"

using namespace zk;

namespace {

// The tree as indented text, one node a line, two blanks per level.
QString Outline(const QTreeWidget& Tree) {
  QString Text;
  const auto Add = [&](auto&& Self, const QTreeWidgetItem* Node, int Level) -> void {
    Text += QString(Level * 2, u' ') + Node->text(0) + u'\n';
    for (int I = 0; I < Node->childCount(); ++I) Self(Self, Node->child(I), Level + 1);
  };
  for (int I = 0; I < Tree.topLevelItemCount(); ++I) Add(Add, Tree.topLevelItem(I), 0);
  return Text;
}

const QString kFixedRoots = "IInterface\n  IInterface\nTObject\n  Exception\n";

struct HierarchyCase {
  const char* Name;
  QStringList Lines;
  QStringList Fallback;
  QString Expected;
};

const QString kUnderObject = "IInterface\n  IInterface\nTObject\n  Exception\n";

const HierarchyCase kHierarchyCases[] = {
    {"EmptyListLeavesTheFixedRoots", {}, {}, kFixedRoots},
    {"ChainInLineOrder", {"TAlpha=TRoot", "TBeta=TAlpha"}, {}, kFixedRoots + "TRoot\n  TAlpha\n    TBeta\n"},
    {"ChainInReverseOrder", {"TBeta=TAlpha", "TAlpha=TRoot"}, {}, kFixedRoots + "TRoot\n  TAlpha\n    TBeta\n"},
    {"EmptyParentWithoutFallbackHangsUnderEmptyRoot", {"TGamma="}, {}, "\n  TGamma\n" + kFixedRoots},
    {"FallbackSuppliesAnEmptyParent", {"TGamma"}, {"TGamma=TObject"}, kUnderObject + "  TGamma\n"},
    {"FallbackPlacesAnUnknownParent", {"TB=TA"}, {"TA=TObject"}, kUnderObject + "  TA\n    TB\n"},
    {"NamePresentIsNotAddedTwice", {"TObject=TFoo", "tobject=TBar", "Exception=TFoo"}, {}, kFixedRoots},
    {"FirstLineOfANameGivesItsParent", {"TB=TA", "TA=TX", "TA=TY"}, {}, kFixedRoots + "TX\n  TA\n    TB\n"},
    {"CycleEndsWithEveryNameOnce", {"A=B", "B=A"}, {}, "B\n  A\n" + kFixedRoots},
    {"SelfParentBecomesRoot", {"A=A", "C=A"}, {}, "A\n  C\n" + kFixedRoots},
    {"RegisteredAncestryWinsOverTheLine", {"TZKObjectRect=TWrong"}, {},
     kUnderObject + "  TPersistent\n    TZKCustomRect\n      TZKObjectRect\n"},
    // An unregistered name's parent without a line of its own becomes a root,
    // registered or not.
    {"RegisteredParentWithoutLineBecomesRoot", {"TMine=TZKPathData"}, {}, kFixedRoots + "TZKPathData\n  TMine\n"},
};

class CreateHierarchyTest : public testing::TestWithParam<HierarchyCase> {};

} // namespace

TEST_P(CreateHierarchyTest, PlacesEveryNameOnceAndSorts) {
  const HierarchyCase& C = GetParam();
  QTreeWidget Tree;
  Tree.addTopLevelItem(new QTreeWidgetItem(QStringList{"stale"}));
  CreateHierarchy(C.Lines, &Tree, C.Fallback.isEmpty() ? nullptr : &C.Fallback);
  EXPECT_EQ(Outline(Tree), C.Expected);
  EXPECT_TRUE(Tree.updatesEnabled());
}

INSTANTIATE_TEST_SUITE_P(TreeViewHelpersTest, CreateHierarchyTest, testing::ValuesIn(kHierarchyCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

namespace {

// "N0=N1", "N1=N2", ...: a chain Lines + 1 levels deep below its root.
QStringList Chain(int Lines) {
  QStringList L;
  L.reserve(Lines);
  for (int I = 0; I < Lines; ++I) L << QStringLiteral("N%1=N%2").arg(I).arg(I + 1);
  return L;
}

} // namespace

// Sorting and freeing need no stack as deep as the tree: a chain of 50,000
// lines is built and sorted; one deeper than the bound is refused, and the
// tree keeps what it had.
TEST(CreateHierarchyDepthTest, DeepChainIsBuiltDeeperThanTheBoundIsRefused) {
  QTreeWidget Tree;
  CreateHierarchy(Chain(50000), &Tree, nullptr);
  ASSERT_EQ(Tree.topLevelItemCount(), 3);
  const QTreeWidgetItem* Node = Tree.topLevelItem(1);  // IInterface, N50000, TObject
  EXPECT_EQ(Node->text(0), "N50000");
  int Levels = 1;
  for (; Node->childCount() == 1; ++Levels) Node = Node->child(0);
  EXPECT_EQ(Levels, 50001);
  EXPECT_EQ(Node->text(0), "N0");

  Tree.clear();
  Tree.addTopLevelItem(new QTreeWidgetItem(QStringList{"kept"}));
  for (const int Lines : {MaxHierarchyDepth, 200000}) {
    EXPECT_THROW(CreateHierarchy(Chain(Lines), &Tree, nullptr), ERangeError) << Lines;
    ASSERT_EQ(Tree.topLevelItemCount(), 1);
    EXPECT_EQ(Tree.topLevelItem(0)->text(0), "kept");
    EXPECT_TRUE(Tree.updatesEnabled());
  }
  CreateHierarchy(Chain(MaxHierarchyDepth - 1), &Tree, nullptr);  // the bound itself is built
  EXPECT_EQ(Tree.topLevelItemCount(), 3);
}

namespace {

// Root(data A)
//   Émile
//     Child
//   Leaf(data B)
// Other
//   Leaf(data C)
class FindTreeNodeTest : public testing::Test {
protected:
  void SetUp() override {
    Root = new QTreeWidgetItem(&Tree, QStringList{"Root"});
    Emile = new QTreeWidgetItem(Root, QStringList{"\u00C9mile"});
    Child = new QTreeWidgetItem(Emile, QStringList{"Child"});
    Leaf = new QTreeWidgetItem(Root, QStringList{"Leaf"});
    Other = new QTreeWidgetItem(&Tree, QStringList{"Other"});
    OtherLeaf = new QTreeWidgetItem(Other, QStringList{"Leaf"});
    SetTreeNodeData(*Root, &A);
    SetTreeNodeData(*Leaf, &B);
    SetTreeNodeData(*OtherLeaf, &C);
  }

public:
  QTreeWidget Tree;
  QTreeWidgetItem *Root, *Emile, *Child, *Leaf, *Other, *OtherLeaf;
  int A = 0, B = 0, C = 0;
};

} // namespace

TEST_F(FindTreeNodeTest, WholeTreeByTextInDepthFirstOrder) {
  struct Case {
    const char* S;
    bool CaseSensitive;
    TCompareStringsOption Option;
    QTreeWidgetItem* FindTreeNodeTest::*Expected;  // null member: no match
  };
  const Case Cases[] = {
      {"\u00E9", false, csoStartsWith, &FindTreeNodeTest::Emile},
      {"\u00E9", true, csoStartsWith, nullptr},
      {"LD", false, csoEndsWith, &FindTreeNodeTest::Child},
      {"ea", true, csoContains, &FindTreeNodeTest::Leaf},  // the first of the two leaves
      {"leaf", false, csoEquals, &FindTreeNodeTest::Leaf},
      {"leaf", true, csoEquals, nullptr},
      {"Roo", true, static_cast<TCompareStringsOption>(9), nullptr},  // unknown ordinal: equality
  };
  for (const Case& K : Cases) {
    SCOPED_TRACE(K.S);
    QTreeWidgetItem* Expected = K.Expected ? this->*K.Expected : nullptr;
    EXPECT_EQ(FindTreeNode(&Tree, QString::fromUtf8(K.S), K.CaseSensitive, K.Option), Expected);
  }
  EXPECT_EQ(FindTextInTreeView(&Tree, "ROOT"), Root);
  EXPECT_EQ(FindTextInTreeView(&Tree, "\u00C9MILE"), Emile);
  EXPECT_EQ(FindTextInTreeView(&Tree, "Roo"), nullptr);
  EXPECT_EQ(FindTextInTreeView(nullptr, "Root"), nullptr);
}

TEST_F(FindTreeNodeTest, BelowStartNodeSearchesOnlyItsDescendants) {
  EXPECT_EQ(FindTreeNode(&Tree, Root, "child", false, csoEquals), Child);
  EXPECT_EQ(FindTreeNode(&Tree, Root, "Root", true, csoEquals), nullptr);   // not the start itself
  EXPECT_EQ(FindTreeNode(&Tree, Root, "Other", true, csoEquals), nullptr);  // only outside
  EXPECT_EQ(FindTreeNode(&Tree, Leaf, "", true, csoStartsWith), nullptr);   // no children
  EXPECT_EQ(FindTreeNode(&Tree, Other, "Leaf", true, csoEquals), OtherLeaf);
  EXPECT_EQ(FindTreeNode(&Tree, nullptr, "Leaf", true, csoEquals), Leaf);   // no start: whole tree
}

TEST_F(FindTreeNodeTest, ByAttachedObject) {
  EXPECT_EQ(FindTreeNode(&Tree, &B), Leaf);
  EXPECT_EQ(FindTreeNode(&Tree, &C), OtherLeaf);
  EXPECT_EQ(FindTreeNode(&Tree, Root, &C), nullptr);
  EXPECT_EQ(FindTreeNode(&Tree, Other, &C), OtherLeaf);
  EXPECT_EQ(FindTreeNode(&Tree, Root, &A), nullptr);  // the start is not its own descendant
  EXPECT_EQ(FindTreeNode(&Tree, nullptr, &A), Root);
  EXPECT_EQ(TreeNodeData(*Emile), nullptr);
  EXPECT_EQ(FindTreeNode(nullptr, &A), nullptr);
}

TEST(MenuHelpersTest, CreateMenuItemChildren_AppendsCaptionsAndWiresClicks) {
  QMenu Menu;
  Menu.addAction("Existing");
  QAction* Clicked = nullptr;
  CreateMenuItemChildren(&Menu, {"A", "B"}, [&](QAction* Sender) { Clicked = Sender; }, true);
  CreateMenuItemChildren(&Menu, {"Plain"}, nullptr, false);
  CreateMenuItemChildren(nullptr, {"Ignored"}, nullptr, true);
  const QList<QAction*> Actions = Menu.actions();
  ASSERT_EQ(Actions.size(), 4);
  EXPECT_EQ(Actions[0]->text(), "Existing");
  EXPECT_EQ(Actions[1]->text(), "0 A");
  EXPECT_EQ(Actions[2]->text(), "1 B");
  EXPECT_EQ(Actions[3]->text(), "Plain");
  EXPECT_EQ(Actions[2]->parent(), &Menu);
  Actions[2]->trigger();
  EXPECT_EQ(Clicked, Actions[2]);
  Actions[3]->trigger();  // no handler: nothing to call
  EXPECT_EQ(Clicked, Actions[2]);
}

TEST(MenuHelpersTest, IsSubmenuVisible_NeedsAVisibleNonSeparator) {
  QMenu Menu;
  EXPECT_FALSE(IsSubmenuVisible(&Menu));
  EXPECT_FALSE(IsSubmenuVisible(nullptr));
  Menu.addSeparator();
  Menu.addAction("Hidden")->setVisible(false);
  QAction* HiddenSeparator = Menu.addSeparator();
  HiddenSeparator->setVisible(false);
  EXPECT_FALSE(IsSubmenuVisible(&Menu));
  Menu.addAction("Shown");
  EXPECT_TRUE(IsSubmenuVisible(&Menu));
}
