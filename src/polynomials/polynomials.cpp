#include "polynomials/polynomials.h"
