#pragma once
/// The graphics unit: geometry, matrices, the path object, drawing routines
/// and the persistent geometry objects.
#include "graphics/BezierPolygon.h"
#include "graphics/BezierPolygonDraw.h"
#include "graphics/CanvasHelper.h"
#include "graphics/Geometry.h"
#include "graphics/Matrix.h"
#include "graphics/PathArcs.h"
#include "graphics/PathData.h"
#include "graphics/PathPreview.h"
#include "graphics/PathTypes.h"
#include "graphics/PersistentRects.h"
#include "graphics/PolygonHitTest.h"
#include "graphics/PositionTransform.h"
#include "graphics/RectOps.h"
#include "graphics/Tolerances.h"
