#pragma once
/// The graphics unit: geometry, matrices and the path object.
#include "graphics/BezierPolygon.h"
#include "graphics/Geometry.h"
#include "graphics/Matrix.h"
#include "graphics/PathArcs.h"
#include "graphics/PathData.h"
#include "graphics/PathTypes.h"
#include "graphics/PersistentRects.h"
#include "graphics/PositionTransform.h"
#include "graphics/RectOps.h"
#include "graphics/Tolerances.h"
