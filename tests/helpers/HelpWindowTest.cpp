#include <gtest/gtest.h>

#include <dlfcn.h>

#include <stdexcept>

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include "helpers/HelpWindow.h"

using namespace zk;

namespace {

struct TTestViewerCall {  // as the test viewer module records it
  int Count = 0;
  std::uintptr_t Caller = 0;
  std::u16string File;
  std::uint32_t Command = 0;
  std::uintptr_t Data = 0;
};

// The record of the module the binding loads (the same file is the same
// module in one process); the tests keep it loaded.
const TTestViewerCall& LastViewerCall() {
  static void* const Module = dlopen(ZK_TEST_HELP_VIEWER, RTLD_NOW);
  static const auto Get =
      Module ? reinterpret_cast<const TTestViewerCall* (*)()>(dlsym(Module, "TestViewerLastCall")) : nullptr;
  if (!Get) throw std::runtime_error("the test viewer module does not load: " ZK_TEST_HELP_VIEWER);
  return *Get();
}

class HelpWindowTest : public testing::Test {
protected:
  void SetUp() override {
    SetHelpViewerModule(ZK_TEST_HELP_VIEWER);
    Previous = SetHelpErrorHandler([this](const QString& M) { Messages << M; });
    ASSERT_TRUE(Dir.isValid());
    HelpFile = Dir.filePath("x.chm");
    QFile File(HelpFile);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  }
  void TearDown() override { SetHelpErrorHandler(Previous); }

  QTemporaryDir Dir;
  QString HelpFile;
  QStringList Messages;
  THelpErrorHandler Previous;
};

} // namespace

TEST(HelpViewerBindingTest, FailedLoadIsRetriedModuleWithoutEntryPointsIsNot) {
  THelpViewerBinding Missing("/nonexistent/libzkviewer.so");
  EXPECT_EQ(Missing.Call(0, u"a.chm", 0, 0), 0u);
  EXPECT_FALSE(Missing.Loaded());
  EXPECT_TRUE(Missing.SetModuleName(ZK_TEST_HELP_VIEWER));
  const HWND Window = Missing.Call(0, u"a.chm", 0, 0);
  EXPECT_NE(Window, 0u);
  delete QWidget::find(static_cast<WId>(Window));

  THelpViewerBinding Broken(ZK_TEST_HELP_VIEWER_BROKEN);
  EXPECT_EQ(Broken.Call(0, u"a.chm", 0, 0), 0u);
  EXPECT_TRUE(Broken.Loaded());
  EXPECT_FALSE(Broken.SetModuleName(ZK_TEST_HELP_VIEWER));
  EXPECT_EQ(Broken.Call(0, u"a.chm", 0, 0), 0u);
}

TEST_F(HelpWindowTest, TargetsFileAtLowerCaseTopicAndCloses) {
  const HWND Window = DisplayHelpWindow(HelpFile, "Intro");
  ASSERT_NE(Window, 0u);
  const TTestViewerCall& Call = LastViewerCall();
  EXPECT_EQ(Call.File, (HelpFile + "::/intro.htm").toStdU16String());
  EXPECT_EQ(Call.Command, 0u);
  EXPECT_EQ(Call.Caller, 0u);

  QPointer<QWidget> Viewer = QWidget::find(static_cast<WId>(Window));
  ASSERT_FALSE(Viewer.isNull());
  CloseHelpWindow(Window);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(Viewer.isNull());
  CloseHelpWindow(Window);  // no longer a window: nothing happens

  QWidget Unrelated;  // a window the viewer did not open is left alone
  Unrelated.show();
  CloseHelpWindow(static_cast<HWND>(Unrelated.winId()));
  EXPECT_TRUE(Unrelated.isVisible());

  const HWND Plain = DisplayHelpWindow(HelpFile, "");
  EXPECT_EQ(Call.File, HelpFile.toStdU16String());
  const HWND Commanded = DisplayHelpWindow(HelpFile, 0x0Fu, 77u);
  EXPECT_EQ(Call.Command, 0x0Fu);
  EXPECT_EQ(Call.Data, 77u);
  CloseHelpWindow(Plain);
  CloseHelpWindow(Commanded);
  EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(HelpWindowTest, MissingOrUnencodableFileReportsAndAnswersZero) {
  const int CallsBefore = LastViewerCall().Count;
  const QString Missing = Dir.filePath("missing.chm");
  EXPECT_EQ(DisplayHelpWindow(Missing, "Intro"), 0u);
  EXPECT_EQ(DisplayHelpWindow(Missing, 1u, 2u), 0u);
  const QString Lone = HelpFile + QChar(0xD800);  // an unpaired surrogate names no file
  EXPECT_EQ(DisplayHelpWindow(Lone, ""), 0u);
  EXPECT_EQ(DisplayHelpWindow(HelpFile, QString(QChar(0xDC00))), 0u);
  EXPECT_EQ(DisplayHelpWindow(Dir.path(), "Intro"), 0u);  // a folder is no help file
  EXPECT_EQ(DisplayHelpWindow(Dir.path(), 1u, 2u), 0u);
  ASSERT_EQ(Messages.size(), 6);
  EXPECT_EQ(Messages[0], "Help File (" + Missing + ") could not be found.");
  EXPECT_EQ(Messages[3], "Help File (" + HelpFile + ") could not be found.");
  EXPECT_EQ(Messages[4], "Help File (" + Dir.path() + ") could not be found.");
  EXPECT_EQ(LastViewerCall().Count, CallsBefore);
}

TEST_F(HelpWindowTest, SettingsFolderPrefixesTheFileName) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Dir.path());
  QCoreApplication::setOrganizationName("ZkTest");
  QCoreApplication::setApplicationName("HelpWindowTest");
  {
    QSettings Settings;
    Settings.setValue("Software/Zk/Help/Folder", Dir.path() + "/");
    Settings.setValue("Software/Zk/Help/List", QStringList{"a", "b"});
  }
  const HWND Window = DisplayHelpWindow("Software\\Zk\\Help", "x.chm", "Folder", "Topic", HKEY_CURRENT_USER);
  EXPECT_NE(Window, 0u);
  EXPECT_EQ(LastViewerCall().File, (HelpFile + "::/topic.htm").toStdU16String());
  CloseHelpWindow(Window);
  EXPECT_EQ(DisplayHelpWindow("Software\\Zk\\Help", "x.chm", "Absent", "", HKEY_CURRENT_USER), 0u);
  EXPECT_EQ(DisplayHelpWindow("Software\\Zk\\Nowhere", "x.chm", "Folder", "", HKEY_CURRENT_USER), 0u);
  EXPECT_EQ(DisplayHelpWindow("Software\\Zk\\Help", "x.chm", "List", "", HKEY_CURRENT_USER), 0u);
  EXPECT_TRUE(Messages.isEmpty());
  EXPECT_EQ(DisplayHelpWindow("Software\\Zk\\Help", "y.chm", "Folder", "", HKEY_CURRENT_USER), 0u);
  EXPECT_EQ(DisplayHelpWindow("Software\\Zk\\Help", "", "Folder", "", HKEY_CURRENT_USER), 0u);  // the folder itself
  EXPECT_EQ(Messages.size(), 2);
  EXPECT_EQ(LastViewerCall().File, (HelpFile + "::/topic.htm").toStdU16String());
}
