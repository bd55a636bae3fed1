#pragma once

// Same problem, new numbers: ranges, the generator and its streams, the draws, renewal and
// versions.
#include "renewal/draw.h"
#include "renewal/ranges.h"
#include "renewal/renew.h"
#include "renewal/stream.h"
