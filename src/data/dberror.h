#pragma once

#include <QString>

namespace rvl92 {

// An error from the data layer, reported the way the screens show it:
// a number and a description ("Load! " + number + " " + description).
struct DbError {
    int number = 0;
    QString description;

    bool isError() const { return number != 0; }
};

// Numbers of the data layer's own errors. SQLite's result codes (1..) are
// passed through as they are; ours stay clear of them.
namespace dberr {
constexpr int FileNotFound = 3024;    // database file missing
constexpr int NotADatabase = 3343;    // file is neither SQLite nor Jet
constexpr int CannotOpen = 3044;      // path exists but cannot be opened/read
constexpr int JetUnreadable = 3049;   // Jet file damaged, truncated or protected
constexpr int JetNoTables = 3078;     // Jet file without user tables
constexpr int JetNotSupported = 3170; // Jet file and no Jet reader built in
constexpr int QueryFailed = 3001;     // SQL error without a more specific code
constexpr int NotOpen = 3704;         // operation on a closed connection/recordset
} // namespace dberr

} // namespace rvl92
