#pragma once

// Checked long integers, rationals and the rational evaluator.
#include "numbers/conversionerror.h"
#include "numbers/letters.h"
