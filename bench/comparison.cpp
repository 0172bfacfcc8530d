#include "comparison.h"

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

std::vector<Outcome>& outcomes() {
    static std::vector<Outcome> all;
    return all;
}

std::string format(const char* fmt, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, v);
    return buf;
}

} // namespace

void record(const Outcome& outcome) {
    auto& all = outcomes();
    auto it = std::find_if(all.begin(), all.end(),
                           [&](const Outcome& o) { return o.name == outcome.name; });
    if (it != all.end())
        *it = outcome;
    else
        all.push_back(outcome);
}

int printSummary() {
    const auto& all = outcomes();
    if (all.empty())
        return 0;
    size_t w[5] = {9, 7, 5, 5, 6};
    for (const Outcome& o : all) {
        w[0] = std::max(w[0], o.name.size());
        w[1] = std::max(w[1], o.subject.size());
        w[2] = std::max(w[2], o.floor.size());
        w[3] = std::max(w[3], o.ratio.size());
        w[4] = std::max(w[4], o.target.size());
    }
    auto row = [&](const std::string& a, const std::string& b, const std::string& c,
                   const std::string& d, const std::string& e, const char* f) {
        std::printf("%-*s  %*s  %*s  %*s  %-*s  %s\n", int(w[0]), a.c_str(), int(w[1]), b.c_str(),
                    int(w[2]), c.c_str(), int(w[3]), d.c_str(), int(w[4]), e.c_str(), f);
    };
    std::printf("\nSummary (each figure against its floor, measured in this run)\n\n");
    row("benchmark", "program", "floor", "ratio", "target", "met");
    int missed = 0;
    for (const Outcome& o : all) {
        if (o.target.empty()) {
            row(o.name, o.subject, o.floor, o.ratio, "-", "-");
            continue;
        }
        row(o.name, o.subject, o.floor, o.ratio, o.target, o.met ? "yes" : "NO");
        missed += !o.met;
    }
    std::fflush(stdout);
    return missed;
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    const size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + long(mid), values.end());
    double m = values[mid];
    if (values.size() % 2 == 0)
        m = (m + *std::max_element(values.begin(), values.begin() + long(mid))) / 2;
    return m;
}

std::string duration(double s) {
    if (s < 1e-3)
        return format("%.1f us", s * 1e6);
    if (s < 1)
        return format("%.2f ms", s * 1e3);
    return format("%.2f s", s);
}

std::string megabytes(double bytes) {
    return format("%.1f MB", bytes / (1024.0 * 1024.0));
}

std::string times(double ratio) {
    return format(ratio >= 100 ? "%.0fx" : "%.2fx", ratio);
}

} // namespace bench
