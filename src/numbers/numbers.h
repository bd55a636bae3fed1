#pragma once

// Checked long integers, rationals and the rational evaluator.
#include "numbers/basetext.h"
#include "numbers/conversionerror.h"
#include "numbers/floattext.h"
#include "numbers/letters.h"
#include "numbers/longint.h"
#include "numbers/random.h"
#include "numbers/rateval.h"
#include "numbers/rational.h"
#include "numbers/wideint.h"
#include "numbers/words.h"
