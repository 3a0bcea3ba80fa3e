#pragma once
/// ZKVclCommon: the whole library behind one include (the Core, Gui and
/// Widgets libraries; link ZKVclCommon::ZKVclCommon).
#include "base/ZKCommon.h"
#include "canvas/ZKCanvas.h"
#include "components/ZKDeltaFont.h"
#include "components/ZKHintWindow.h"
#include "components/ZKPathDesigner.h"
#include "drawing/ZKGraphics.h"
#include "drawing/ZKVclGraphics.h"
#include "helpers/ZKVclHelperFunctions.h"
#include "package/Version.h"
#include "qt/QtCanvas.h"
#include "qt/QtConversions.h"
#include "qt/QtPainterPath.h"
#include "runtime/ZKRuntime.h"
