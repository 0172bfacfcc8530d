#pragma once

#include <string>
#include <vector>

namespace bench {

// One benchmark's result against its floor, for the summary after the run.
struct Outcome {
    std::string name;    // what was measured, with the size
    std::string subject; // the program's figure, with its unit
    std::string floor;   // the floor's figure
    std::string ratio;   // e.g. "1.12x" or "1/350"
    std::string target;  // empty: reported without a target
    bool met = false;
};

// Keeps the last outcome of each name (a benchmark may be run again).
void record(const Outcome& outcome);
// The table of every recorded outcome; returns how many missed their target.
int printSummary();

double median(std::vector<double> values);
// "12.3 us", "4.56 ms", "1.23 s"
std::string duration(double seconds);
std::string megabytes(double bytes);
std::string times(double ratio); // "1.23x"

} // namespace bench
