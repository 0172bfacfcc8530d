#include "coding/batchcoder.h"

#include "coding/normaliser.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <algorithm>

namespace rvl92::coding {

namespace {

// Header texts that name the column of job titles, as normalised words.
bool namesJobTitle(const QString& header) {
    const QString n = normaliseTitle(header);
    static const QStringList words{QStringLiteral("functienaam"),  QStringLiteral("functie"),
                                   QStringLiteral("functietitel"), QStringLiteral("beroep"),
                                   QStringLiteral("beroepsnaam"),  QStringLiteral("titel")};
    return words.contains(n);
}

bool namesJobTitleLoosely(const QString& header) {
    const QString n = normaliseTitle(header);
    return n.contains(QLatin1String("functie")) || n.contains(QLatin1String("beroep"));
}

} // namespace

QStringList BatchCoder::addedColumns(int candidates) {
    QStringList names{QStringLiteral("RVL92"), QStringLiteral("Beroep"),
                      QStringLiteral("Functienaam"), QStringLiteral("Score"),
                      QStringLiteral("Zekerheid")};
    for (int k = 2; k <= candidates; ++k) {
        const QString n = QString::number(k);
        names << QStringLiteral("RVL92 ") + n << QStringLiteral("Beroep ") + n
              << QStringLiteral("Functienaam ") + n << QStringLiteral("Score ") + n;
    }
    return names;
}

std::optional<BatchInput> BatchCoder::read(const QByteArray& bytes, const BatchOptions& options,
                                           QString* error) {
    std::optional<DecodedText> decoded = decodeText(bytes, error);
    if (!decoded)
        return std::nullopt;
    BatchInput in;
    in.encoding = decoded->encoding;
    in.separator =
        options.inputSeparator.isNull() ? detectSeparator(decoded->text) : options.inputSeparator;
    in.records = parseCsv(decoded->text, in.separator);
    decoded.reset();
    const auto first = std::find_if(in.records.begin(), in.records.end(),
                                    [](const QStringList& r) { return !r.isEmpty(); });
    if (first == in.records.end()) {
        *error = QStringLiteral("Het bestand bevat alleen lege regels: er is niets te coderen.");
        return std::nullopt;
    }
    for (const QStringList& r : in.records)
        in.width = std::max(in.width, int(r.size()));

    bool numbered = false;
    const int number = options.column.trimmed().toInt(&numbered);
    const bool byName = !options.column.trimmed().isEmpty() && !numbered;
    switch (options.header) {
    case BatchOptions::Header::Yes:
        in.header = true;
        break;
    case BatchOptions::Header::No:
        in.header = false;
        break;
    case BatchOptions::Header::Auto:
        // Several columns come with a header line, as spreadsheets write them;
        // a plain list of titles has one only when its first line says so.
        in.header = byName || in.width > 1 || (first->size() == 1 && namesJobTitle(first->first()));
        break;
    }
    if (byName && !in.header) {
        *error = QStringLiteral("Een kolom bij naam kiezen kan alleen als de eerste regel een "
                                "kopregel is; geef het nummer van de kolom.");
        return std::nullopt;
    }
    const QStringList headers = in.header ? *first : QStringList();
    if (numbered) {
        if (number < 1 || number > in.width) {
            *error = QStringLiteral("Kolom %1 bestaat niet: het bestand heeft %2 %3.")
                         .arg(number)
                         .arg(in.width)
                         .arg(in.width == 1 ? QStringLiteral("kolom") : QStringLiteral("kolommen"));
            return std::nullopt;
        }
        in.column = number - 1;
    } else if (byName) {
        const QString wanted = options.column.trimmed();
        const auto it = std::find_if(headers.begin(), headers.end(), [&](const QString& h) {
            return h.trimmed().compare(wanted, Qt::CaseInsensitive) == 0;
        });
        if (it == headers.end()) {
            *error = QStringLiteral("De kolom \"%1\" staat niet in de kopregel (%2).")
                         .arg(wanted, headers.join(QStringLiteral(", ")));
            return std::nullopt;
        }
        in.column = int(it - headers.begin());
    } else if (in.width > 1) {
        auto it = std::find_if(headers.begin(), headers.end(), namesJobTitle);
        if (it == headers.end())
            it = std::find_if(headers.begin(), headers.end(), namesJobTitleLoosely);
        if (it == headers.end()) {
            *error = QStringLiteral("Het bestand heeft %1 kolommen; kies de kolom met de "
                                    "functienaam.")
                         .arg(in.width);
            return std::nullopt;
        }
        in.column = int(it - headers.begin());
    }
    if (in.header && in.column < headers.size())
        in.columnName = headers.at(in.column);
    return in;
}

BatchSummary BatchCoder::write(const CodingEngine& engine, const BatchInput& input,
                               const BatchOptions& options, QIODevice* out,
                               const Progress& progress, const std::atomic<bool>* cancel) {
    BatchSummary summary;
    QElapsedTimer clock;
    clock.start();
    const int candidates = std::clamp(options.candidates, 1, 3);
    const int added = int(addedColumns(candidates).size());
    CsvWriter writer(out, options.outputSeparator, options.encoding);
    // Survey answers repeat ("kok", "verkoper"): each distinct text is coded once.
    QHash<QString, CodingResult> seen;
    const qint64 total = qint64(input.records.size());
    bool headerDone = !input.header;
    for (qint64 i = 0; i < total; ++i) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            summary.status = BatchSummary::Status::Cancelled;
            break;
        }
        const QStringList& record = input.records[size_t(i)];
        if (record.isEmpty()) {
            ++summary.emptyRows;
            writer.writeRecord({});
        } else {
            QStringList row = record;
            // Short rows are padded so that the added columns line up.
            while (row.size() < input.width)
                row << QString();
            if (!headerDone) {
                headerDone = true;
                row << addedColumns(candidates);
            } else {
                const QString text =
                    input.column < record.size() ? record.at(input.column) : QString();
                auto it = seen.constFind(text);
                if (it == seen.constEnd())
                    it = seen.insert(text, engine.code(text, candidates));
                const CodingResult& r = it.value();
                ++summary.rows;
                ++summary.byCertainty[size_t(r.certainty)];
                QStringList codes;
                for (int k = 0; k < candidates; ++k) {
                    if (k < int(r.candidates.size())) {
                        const Candidate& c = r.candidates[size_t(k)];
                        codes << c.code << c.occupation << c.title << QString::number(c.score);
                    } else {
                        codes << QString() << QString() << QString() << QString();
                    }
                    if (k == 0)
                        codes << certaintyText(r.certainty);
                }
                Q_ASSERT(codes.size() == added);
                row << codes;
            }
            writer.writeRecord(row);
        }
        if (!writer.ok()) {
            summary.status = BatchSummary::Status::Failed;
            summary.error = QStringLiteral("Het schrijven van de uitvoer is mislukt: %1")
                                .arg(out->errorString());
            break;
        }
        if (progress && ((i + 1) % 256 == 0 || i + 1 == total))
            progress(i + 1, total);
    }
    (void)added;
    summary.replacedCharacters = writer.replacedCharacters();
    summary.milliseconds = clock.elapsed();
    return summary;
}

BatchSummary BatchCoder::writeFile(const CodingEngine& engine, const BatchInput& input,
                                   const BatchOptions& options, const QString& inputPath,
                                   const QString& outputPath, const Progress& progress,
                                   const std::atomic<bool>* cancel) {
    BatchSummary failed;
    failed.status = BatchSummary::Status::Failed;
    const QFileInfo in(inputPath);
    const QFileInfo target(outputPath);
    if (!inputPath.isEmpty() && in.exists() && target.exists() &&
        in.canonicalFilePath() == target.canonicalFilePath()) {
        failed.error = QStringLiteral("Het uitvoerbestand is het invoerbestand. Kies een andere "
                                      "naam: de invoer wordt nooit overschreven.");
        return failed;
    }
    QSaveFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly)) {
        failed.error = QStringLiteral("Kan %1 niet schrijven: %2")
                           .arg(QDir::toNativeSeparators(outputPath), file.errorString());
        return failed;
    }
    BatchSummary summary = write(engine, input, options, &file, progress, cancel);
    if (summary.status != BatchSummary::Status::Done) {
        file.cancelWriting();
        return summary;
    }
    if (!file.commit()) {
        summary.status = BatchSummary::Status::Failed;
        summary.error = QStringLiteral("Kan %1 niet schrijven: %2")
                            .arg(QDir::toNativeSeparators(outputPath), file.errorString());
    }
    return summary;
}

QString BatchCoder::defaultOutputPath(const QString& inputPath) {
    const QFileInfo info(inputPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("-gecodeerd.csv"));
}

QString BatchCoder::describeInput(const BatchInput& in) {
    QString column = QString::number(in.column + 1);
    if (!in.columnName.isEmpty())
        column += QStringLiteral(" (%1)").arg(in.columnName);
    return QStringLiteral("Invoer: %1, scheidingsteken %2, kopregel %3, kolom %4.")
        .arg(encodingText(in.encoding), separatorText(in.separator),
             in.header ? QStringLiteral("ja") : QStringLiteral("nee"), column);
}

QString BatchCoder::describeSummary(const BatchSummary& s) {
    QString text =
        QStringLiteral("%1 regels gecodeerd in %2 s: %3 zeker, %4 waarschijnlijk, "
                       "%5 onzeker, %6 zonder kandidaat")
            .arg(s.rows)
            .arg(QString::number(double(s.milliseconds) / 1000.0, 'f', 1).replace(u'.', u','))
            .arg(s.byCertainty[size_t(Certainty::Sure)])
            .arg(s.byCertainty[size_t(Certainty::Likely)])
            .arg(s.byCertainty[size_t(Certainty::Unsure)])
            .arg(s.byCertainty[size_t(Certainty::None)]);
    if (s.emptyRows > 0)
        text += QStringLiteral("; %1 lege regels").arg(s.emptyRows);
    return text + u'.';
}

} // namespace rvl92::coding
