#pragma once

#include <QString>

namespace bench {

// The overview's query, exactly as the job-title screen runs it.
inline constexpr const char* OverviewQuery =
    " select RVL92, Functienaam, beroep, id from functienamen";

// Path of a demonstration database with `titles` job titles (1,200
// occupations, the shape of the bundled one), generated on first use. The
// files go to $RVL92_BENCH_DATA when that is set (and are kept, so a second
// run skips generating), otherwise to a temporary folder removed at exit.
// Empty on failure, with the reason in *error.
QString database(int titles, QString* error);

// A program directory for the database with `titles` job titles: the
// demonstration installation's pictures and that database, by links, in the
// data folder. Empty on failure, with the reason in *error.
QString programDir(int titles, QString* error);

// The bundled demonstration installation (the build's program directory).
QString demoProgramDir();

// "1,000,000"
QString thousands(long long n);

} // namespace bench
