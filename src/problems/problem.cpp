#include "problems/problem.h"
