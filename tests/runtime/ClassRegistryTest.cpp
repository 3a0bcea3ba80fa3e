#include <gtest/gtest.h>

#include <set>

#include "runtime/ClassRegistry.h"
#include "runtime/Random.h"

using namespace zk;

TEST(ClassRegistryTest, LibraryClassesAreRegisteredWithTheirAncestry) {
  const TClassInfo& Rect = FindClass("tzkobjectrect");  // case ignored
  EXPECT_EQ(Rect.Name, "TZKObjectRect");
  ASSERT_NE(Rect.Ancestor, nullptr);
  EXPECT_EQ(Rect.Ancestor->Name, "TZKCustomRect");
  EXPECT_TRUE(InheritsFrom("TZKPathData", "TPersistent"));
  EXPECT_TRUE(InheritsFrom("TZKTransform", "TObject"));
  EXPECT_FALSE(InheritsFrom("TZKCustomRect", "TZKObjectRect"));
  EXPECT_TRUE(InheritsFrom("TUnregistered", "tunregistered"));
  EXPECT_EQ(FindClass("TObject").Ancestor, nullptr);
}

TEST(ClassRegistryTest, RegisterRefusesUnknownAncestorAndConflicts) {
  EXPECT_THROW(RegisterClass("TOrphan", "TNoSuchClass"), EClassNotFound);
  EXPECT_EQ(GetClass("TOrphan"), nullptr);
  const TClassInfo& Once = RegisterClass("TRegistryProbe", "TPersistent");
  EXPECT_EQ(&RegisterClass("TREGISTRYPROBE", "TPersistent"), &Once);  // same ancestor: no change
  EXPECT_THROW(RegisterClass("TRegistryProbe", "TObject"), EReadError);
  EXPECT_THROW(RegisterClass("", "TObject"), EReadError);
  EXPECT_THROW(FindClass("TNoSuchClass"), EClassNotFound);
}

TEST(RandomTest, SeedReplaysTheSequenceWithinRange) {
  RandSeed = 12345;
  std::set<int> Seen;
  int First[8];
  for (int& V : First) {
    V = Random(10);
    ASSERT_GE(V, 0);
    ASSERT_LT(V, 10);
    Seen.insert(V);
  }
  EXPECT_GT(Seen.size(), 3u);
  RandSeed = 12345;
  for (int V : First) EXPECT_EQ(Random(10), V);
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-5), 0);
  const double D = Random();
  EXPECT_GE(D, 0.0);
  EXPECT_LT(D, 1.0);
}
