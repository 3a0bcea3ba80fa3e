#pragma once
/// The same outline traced backwards.
#include <memory>

#include "pathops/PathContours.h"

namespace zk {

/// The contour traced from its end to its start: segments in reverse order,
/// lines with their ends swapped, cubics with their four points reversed (the
/// same curve exactly, run backwards). An open contour then starts at its
/// last point; a closed contour keeps its start and its closing line becomes
/// the first segment (a closing line of length zero is left out, as the
/// close implies it). A contour without segments is returned as it is.
TPathContour ReverseContour(const TPathContour& Contour);

/// The path with every contour reversed (`ReverseContour`) and the contours
/// in their order, as a new path in the library's normal form
/// (`ContoursToPath`). Reversing twice gives the path's own outline.
std::unique_ptr<TZKPathData> ReversePath(const TZKPathData& Path);

} // namespace zk
