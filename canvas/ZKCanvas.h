#pragma once
/// The canvas abstraction (no toolkit headers): canvas, pen, brush, font,
/// bitmaps, image lists, the device-context path calls, the recording canvas.
#include "canvas/Canvas.h"
#include "canvas/DeviceContext.h"
#include "canvas/Graphics.h"
#include "canvas/RecordingCanvas.h"
#include "canvas/SystemColors.h"
