#pragma once

// Polynomials of degree at most 9 with rational coefficients.
#include "numbers/numbers.h"
