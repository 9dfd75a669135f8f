#pragma once

#include <utility>
#include <vector>

// Pearson's correlation of the points' two coordinates.
double Correlation(const std::vector<std::pair<double, double>>& points);
