// The canvas tests paint through Qt, which needs a GUI application; it runs
// headless on the offscreen platform unless the environment picks another.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QGuiApplication App(argc, argv);
  return RUN_ALL_TESTS();
}
