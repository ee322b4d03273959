// Renders a sound recipe into mono samples.
#pragma once

#include <vector>

#include "recipe.h"

// Samples in -1 .. 1 at the given rate, normalised to the recipe's level, with a few
// milliseconds of fade at both ends so that no sound starts or stops with a click.
std::vector<float> Render(const RECIPE& recipe, int rate);
