#pragma once
/// The graphics unit: geometry, matrices and the path object.
#include "graphics/Tolerances.h"
