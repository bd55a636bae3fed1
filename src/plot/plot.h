#pragma once

// What a graph of a polynomial shows: marked points, labels, facts, view, ticks, trace.
#include "plot/graphfacts.h"
#include "plot/view.h"
