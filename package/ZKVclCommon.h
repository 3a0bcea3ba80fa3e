#pragma once
/// ZKVclCommon: the whole library behind one include (the Core, Gui and
/// Widgets libraries; link ZKVclCommon::ZKVclCommon).
#include "package/Version.h"
#include "runtime/ZKRuntime.h"
#include "base/ZKCommon.h"
#include "canvas/ZKCanvas.h"
#include "canvas/qt/QtCanvas.h"
#include "graphics/ZKGraphics.h"
#include "components/ZKDeltaFont.h"
#include "components/ZKHintWindow.h"
#include "components/ZKPathDesigner.h"
