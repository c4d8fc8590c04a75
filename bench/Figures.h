#pragma once

#include <algorithm>
#include <vector>

// The median and the largest of a series of measurements (both 0 for an empty series).
struct Figures
{
    double median = 0;
    double max = 0;
};

inline Figures figures(std::vector<double> values)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.back()};
}
