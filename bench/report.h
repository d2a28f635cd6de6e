#pragma once

#include <optional>
#include <string>
#include <vector>

// What every benchmark program prints: one line per figure, which bench/run.sh gathers into its
// table, and the statistics behind those lines.
namespace bench {

double Median(std::vector<double> values);
// Nearest-rank percentile, `p` in 0..100.
double Percentile(std::vector<double> values, double p);
double Max(const std::vector<double>& values);

// One line of the table. `baseline` is empty where the figure has none; `met` is empty where the
// figure has no goal.
struct Row {
    std::string figure;
    double ours = 0;
    std::optional<double> baseline;
    std::string unit;  // printed after both values
    std::string goal;
    std::optional<bool> met;
    int decimals = 2;
};

// Prints `ROW<TAB>figure<TAB>ours<TAB>baseline<TAB>ratio<TAB>goal<TAB>met` on standard output; the
// ratio is ours over baseline, like "1.12x".
void Print(const Row& row);

// The same with values that are not single numbers, such as "0 / 0".
void PrintText(const std::string& figure, const std::string& ours, const std::string& baseline,
               const std::string& ratio, const std::string& goal, std::optional<bool> met);

std::string Format(double value, int decimals);

// Wall-clock milliseconds on the monotonic clock.
double NowMs();

}  // namespace bench
