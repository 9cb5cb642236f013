#pragma once

#include "bench/FigureReporter.h"

#include <ostream>

// Prints one line per figure, "name: value unit", followed by "(ratio x)"
// where the figure has a baseline measured in the same run; the baseline has
// a line of its own. A benchmark that failed prints "name: failed (why)";
// one left out by a filter prints nothing.
void PrintFigures(const FigureReporter& results, std::ostream& out);
