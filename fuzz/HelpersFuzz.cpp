// Any bytes as name=parent lines and grid keys: the first byte picks the
// options, the rest is split into lines. CreateHierarchy must end with every
// name of the lines in the tree exactly once (ignoring case), and SortGrid must
// keep every row once, ordered when the keys are ordered; never a sanitizer
// finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include <QApplication>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "base/StringTests.h"
#include "helpers/ClassHierarchy.h"
#include "helpers/GridSort.h"
#include "helpers/TreeViewHelpers.h"

namespace {

void Require(bool Condition) {
  if (!Condition) std::abort();
}

// Names differing only in case are one name.
std::set<std::string> FoldedTexts(const QStringList& Texts) {
  std::set<std::string> Set;
  for (const QString& T : Texts) Set.insert(zk::AnsiCompareTextKey(T.toStdString()));
  return Set;
}

void CheckHierarchy(const QStringList& Lines, bool WithFallback) {
  QTreeWidget Tree;
  const QStringList Fallback = WithFallback ? Lines.mid(Lines.size() / 2) : QStringList();
  zk::CreateHierarchy(Lines, &Tree, WithFallback ? &Fallback : nullptr);
  Require(Tree.updatesEnabled());
  std::map<std::string, int> Nodes;
  for (QTreeWidgetItemIterator It(&Tree); *It; ++It) ++Nodes[zk::AnsiCompareTextKey((*It)->text(0).toStdString())];
  QStringList Names;
  for (const QString& Line : Lines) Names << Line.section(u'=', 0, 0);
  for (const std::string& Name : FoldedTexts(Names)) {
    const int Count = Nodes[Name];
    // The fixed pair "IInterface" is the one name that holds two nodes.
    Require(Count == 1 || (Count == 2 && Name == "iinterface"));
  }
  if (!Lines.isEmpty()) zk::FindTreeNode(&Tree, Tree.topLevelItem(0), Lines.first(), false, zk::csoContains);
}

void CheckSort(const QStringList& Keys, bool Numeric, bool Ascending) {
  if (Keys.size() < 2) return;
  QTableWidget Grid(static_cast<int>(Keys.size()), 1);
  for (int R = 0; R < Grid.rowCount(); ++R) Grid.setItem(R, 0, new QTableWidgetItem(Keys[R]));
  zk::SortGrid(&Grid, 0, 0, Grid.rowCount() - 1, Numeric, Ascending);
  QStringList After;
  for (int R = 0; R < Grid.rowCount(); ++R) After << Grid.item(R, 0)->text();
  QStringList A = After, B = Keys;
  A.sort();
  B.sort();
  Require(A == B);
  if (!Numeric)
    for (int R = 1; R < After.size(); ++R) {
      const int C = zk::AnsiCompareText(After[R - 1].toStdString(), After[R].toStdString());
      Require(Ascending ? C <= 0 : C >= 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication App(*Argc, *Argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const std::uint8_t Options = Data[0];
  const QStringList Lines =
      QString::fromUtf8(reinterpret_cast<const char*>(Data + 1), static_cast<qsizetype>(Size - 1)).split(u'\n');
  CheckHierarchy(Lines, Options & 1);
  CheckSort(Lines, Options & 2, Options & 4);
  return 0;
}
