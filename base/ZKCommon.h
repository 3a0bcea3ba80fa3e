#pragma once
/// The base package: the exception base and the helper functions.
#include "base/HelperFunctions.h"
#include "base/StringTests.h"
#include "base/ZKConstants.h"
