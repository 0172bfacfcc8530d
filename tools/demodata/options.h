#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace demodata {

struct Options {
    QString output;
    QString wordLists;
    int occupations = 1200;
    std::int64_t jobTitles = 10000;
    std::uint64_t seed = 1992;
    bool help = false;
};

// Usage text, shown for --help and after an error in the arguments.
QString usage();

// Reads the arguments after the program name ("--uit x", also "--uit=x").
// On error returns nothing and sets error to a Dutch message.
std::optional<Options> parseOptions(const QStringList& arguments, const QString& defaultWordLists,
                                    QString* error);

} // namespace demodata
