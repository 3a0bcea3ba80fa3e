#pragma once
/// The host-runtime layer: records, rounding, number text, comparisons,
/// colours, exceptions and the persistent-object base.
#include "runtime/ClassRegistry.h"
#include "runtime/Colors.h"
#include "runtime/Events.h"
#include "runtime/Exceptions.h"
#include "runtime/Filer.h"
#include "runtime/FloatCompare.h"
#include "runtime/FormReader.h"
#include "runtime/FormWriter.h"
#include "runtime/NumberText.h"
#include "runtime/Persistent.h"
#include "runtime/PublishedProperties.h"
#include "runtime/Random.h"
#include "runtime/Records.h"
#include "runtime/Rounding.h"
#include "runtime/Streams.h"
