#pragma once

#include "coding/codingengine.h"
#include "coding/csvtable.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

class QIODevice;

namespace rvl92::coding {

struct BatchOptions {
    enum class Header { Auto, Yes, No };
    // The column with the job title: a header name (any case) or a number
    // from 1. Empty: the only column, or the one whose header names a job
    // title or occupation.
    QString column;
    Header header = Header::Auto;
    QChar inputSeparator; // null: detected
    QChar outputSeparator = u';';
    int candidates = 3; // 1 to 3: the best, then the 2nd and 3rd
    OutputEncoding encoding = OutputEncoding::Windows1252;
};

// An input file as read, ready to be coded (and to be shown before that).
struct BatchInput {
    TextEncoding encoding = TextEncoding::Utf8;
    QChar separator; // null: one column
    bool header = false;
    int column = 0;     // 0-based
    QString columnName; // from the header, if there is one
    int width = 1;      // columns of the widest record
    std::vector<QStringList> records;
};

struct BatchSummary {
    enum class Status { Done, Cancelled, Failed };
    Status status = Status::Done;
    QString error;   // Dutch, when Failed
    qint64 rows = 0; // coded rows (not the header, not empty rows)
    qint64 emptyRows = 0;
    // Rows by the certainty of their best candidate, indexed by Certainty.
    std::array<qint64, 4> byCertainty{};
    qint64 milliseconds = 0;
    qsizetype replacedCharacters = 0; // not in windows-1252, written as "?"
};

// Codes every row of a text or CSV file: each input row in input order, all
// its columns as they were, then the code, occupation, matching title, score
// and certainty of the best candidate and the further candidates. Usable from
// a worker thread: progress is reported through a callback and a cancel flag
// is checked between rows.
class BatchCoder {
public:
    using Progress = std::function<void(qint64 done, qint64 total)>;

    // Decodes and splits the file's bytes and settles header and column.
    static std::optional<BatchInput> read(const QByteArray& bytes, const BatchOptions& options,
                                          QString* error);

    // The names of the columns added to every row.
    static QStringList addedColumns(int candidates);

    // Writes the coded rows to a device.
    static BatchSummary write(const CodingEngine& engine, const BatchInput& input,
                              const BatchOptions& options, QIODevice* out,
                              const Progress& progress = {},
                              const std::atomic<bool>* cancel = nullptr);

    // Writes the coded rows to a file, all or nothing: the file appears only
    // when every row has been written; a cancel or a failure leaves no file
    // (and an existing file of that name as it was). Never writes the input.
    static BatchSummary writeFile(const CodingEngine& engine, const BatchInput& input,
                                  const BatchOptions& options, const QString& inputPath,
                                  const QString& outputPath, const Progress& progress = {},
                                  const std::atomic<bool>* cancel = nullptr);

    // What was read: "Invoer: UTF-8, scheidingsteken puntkomma, kopregel ja,
    // kolom 2 (functie)."
    static QString describeInput(const BatchInput& input);
    // What was written: rows, per certainty, the time taken, empty rows.
    static QString describeSummary(const BatchSummary& summary);

    // "<naam>-gecodeerd.csv" beside the input file.
    static QString defaultOutputPath(const QString& inputPath);
};

} // namespace rvl92::coding
