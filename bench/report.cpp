#include "report.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace bench {

double Median(std::vector<double> values) {
    if (values.empty()) {
        return std::nan("");
    }
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return std::nan("");
    }
    std::sort(values.begin(), values.end());
    const double rank = std::ceil(p / 100.0 * static_cast<double>(values.size()));
    const auto index = static_cast<std::size_t>(std::clamp(rank, 1.0, double(values.size())));
    return values[index - 1];
}

double Max(const std::vector<double>& values) {
    return values.empty() ? std::nan("") : *std::max_element(values.begin(), values.end());
}

std::string Format(double value, int decimals) {
    if (std::isnan(value)) {
        return "?";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void PrintText(const std::string& figure, const std::string& ours, const std::string& baseline,
               const std::string& ratio, const std::string& goal, std::optional<bool> met) {
    const std::string verdict = !met ? "-" : *met ? "yes" : "NO";
    std::printf("ROW\t%s\t%s\t%s\t%s\t%s\t%s\n", figure.c_str(), ours.c_str(), baseline.c_str(),
                ratio.c_str(), goal.c_str(), verdict.c_str());
    std::fflush(stdout);
}

void Print(const Row& row) {
    const std::string unit = row.unit.empty() ? "" : " " + row.unit;
    std::string baseline = "-";
    std::string ratio = "-";
    if (row.baseline) {
        baseline = Format(*row.baseline, row.decimals) + unit;
        if (*row.baseline > 0 && !std::isnan(row.ours)) {
            ratio = Format(row.ours / *row.baseline, 2) + "x";
        }
    }
    PrintText(row.figure, Format(row.ours, row.decimals) + unit, baseline, ratio,
              row.goal.empty() ? "-" : row.goal, row.met);
}

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace bench
