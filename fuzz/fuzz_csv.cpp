// The file reader of the batch coder on any bytes, with any options: it must
// return a table or a message, and what it reads must survive being written
// and read again unchanged.

#include "fuzzinput.h"

#include "coding/batchcoder.h"
#include "coding/csvtable.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in(data, size);
    rvl92::coding::BatchOptions options;
    const int choice = in.number(0, 35);
    static const QChar separators[] = {QChar(), u';', u',', u'\t'};
    options.inputSeparator = separators[choice % 4];
    options.header = static_cast<rvl92::coding::BatchOptions::Header>((choice / 4) % 3);
    options.column = (choice / 12) == 0 ? QString() : QString::number(choice / 12);
    // One statement per read: the order of operands is up to the compiler.
    QByteArray bytes = in.bytes();
    if (!in.done())
        bytes += QByteArray(1, '\0') + in.bytes();

    QString error;
    const std::optional<rvl92::coding::BatchInput> table =
        rvl92::coding::BatchCoder::read(bytes, options, &error);
    if (!table) {
        if (error.isEmpty())
            abort();
        return 0;
    }
    if (table->column < 0 || table->column >= table->width)
        abort();
    // Written as UTF-8 with the same separator and read back: the same records.
    const QChar sep = table->separator.isNull() ? QChar(u';') : table->separator;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    rvl92::coding::CsvWriter writer(&buffer, sep, rvl92::coding::OutputEncoding::Utf8);
    bool plain = true;
    for (const QStringList& r : table->records) {
        writer.writeRecord(r);
        // A record of one empty field is written as an empty line, which reads
        // back as no fields: the one shape that does not survive.
        plain = plain && !(r.size() == 1 && r.first().isEmpty());
    }
    if (!writer.ok())
        abort();
    const auto again = rvl92::coding::parseCsv(QString::fromUtf8(buffer.data()), sep);
    if (plain && again != table->records)
        abort();
    return 0;
}
