// The component tests need a QApplication (widgets, timers, fonts); the
// platform comes from QT_QPA_PLATFORM (offscreen under ctest).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  QApplication App(argc, argv);
  return RUN_ALL_TESTS();
}
