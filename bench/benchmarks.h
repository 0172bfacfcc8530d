#pragma once

// Each registers its Google Benchmark cases; every case measures the program
// and its floor in the same run and records the ratio for the summary.
namespace bench {

void registerJump();    // type-ahead jump against the plain scan
void registerOpen();    // opening the overview against raw sqlite3
void registerSearch();  // the three searches against SQLite's own LIKE/GLOB
void registerMemory();  // peak memory of a process holding the overview
void registerStartup(); // start-up against a bare Qt window

} // namespace bench
