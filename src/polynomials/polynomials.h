#pragma once

// Polynomials of degree at most 9 with rational coefficients.
#include "numbers/numbers.h"
#include "polynomials/polanalysis.h"
#include "polynomials/polarith.h"
#include "polynomials/poleval.h"
#include "polynomials/polynomial.h"
#include "polynomials/realroots.h"
