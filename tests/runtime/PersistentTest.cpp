// The persistent base: assignment through AssignTo and the assignment error.
#include <gtest/gtest.h>

#include "runtime/Exceptions.h"
#include "runtime/Persistent.h"

namespace zk {
namespace {

class Celsius : public TPersistent {
public:
  double Degrees = 0;
  std::string ClassName() const override { return "Celsius"; }
};

// Knows how to copy itself into a Celsius, which does not know about it.
class Fahrenheit : public TPersistent {
public:
  double Degrees = 0;
  std::string ClassName() const override { return "Fahrenheit"; }

protected:
  void AssignTo(TPersistent& Dest) const override {
    if (auto* C = dynamic_cast<Celsius*>(&Dest)) {
      C->Degrees = (Degrees - 32) * 5 / 9;
      return;
    }
    TPersistent::AssignTo(Dest);
  }
};

TEST(PersistentTest, Assign_AsksSourceToAssignItself) {
  Fahrenheit F;
  F.Degrees = 212;
  Celsius C;
  C.Assign(&F);
  EXPECT_DOUBLE_EQ(C.Degrees, 100);
}

TEST(PersistentTest, Assign_UnrelatedOrNullRaisesWithBothClassNames) {
  struct Case { const TPersistent* Source; const char* Message; };
  Celsius C;
  Fahrenheit F;
  const Case Cases[] = {
      {&C, "Cannot assign a Celsius to a Fahrenheit"},
      {nullptr, "Cannot assign a nil to a Fahrenheit"},
  };
  for (const auto& Row : Cases) {
    SCOPED_TRACE(Row.Message);
    try {
      F.Assign(Row.Source);
      ADD_FAILURE() << "no exception";
    } catch (const EConvertError& Error) {
      EXPECT_STREQ(Error.what(), Row.Message);
    }
  }
}

} // namespace
} // namespace zk
