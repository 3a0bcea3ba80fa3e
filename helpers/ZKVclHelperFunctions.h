#pragma once
/// The toolkit helpers: tree views and menus, help windows, grid sorting.
#include "helpers/ClassHierarchy.h"
#include "helpers/GridSort.h"
#include "helpers/HelpWindow.h"
#include "helpers/MenuHelpers.h"
#include "helpers/StringGrid.h"
#include "helpers/TreeViewHelpers.h"
