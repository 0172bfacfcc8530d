// rvl92-codeer: codes a file of job titles from the command line, without a
// display. Reads a text or CSV file (or standard input) and writes every row
// with its proposed RVL92 codes to a file (or standard output).

#include "coding/batchcoder.h"
#include "coding/codingengine.h"
#include "data/database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <optional>
#include <unistd.h>

using namespace rvl92;
using namespace rvl92::coding;

namespace {

// Exit codes, also listed in the help text.
enum Exit {
    Success = 0,
    BadArguments = 2,
    BadInput = 3,
    NoDatabase = 4,
    OutputFailed = 5,
    Interrupted = 130,
};

const char* const HelpText = R"(Gebruik: rvl92-codeer [opties] [INVOER [UITVOER]]

Codeert een bestand met functienamen: voor elke regel stelt het programma de
best passende RVL92-codes voor, met het beroep, de functienaam die het best
past, een score van 0 tot 100 en een zekerheid (zeker, waarschijnlijk,
onzeker, of leeg als er geen kandidaat is).

  INVOER    tekst- of CSV-bestand; weglaten of '-' leest de standaardinvoer
  UITVOER   het bestand dat geschreven wordt; weglaten of '-' schrijft naar de
            standaarduitvoer. Een bestand verschijnt pas als alles gelukt is;
            het invoerbestand wordt nooit overschreven.

Opties:
  --programmamap MAP       de programmamap van RVL92 (standaard de map van dit
                           programma); de database is
                           MAP/Programmabestanden/RVL92.MDB
  --database BESTAND       deze database in plaats van die in de programmamap
  --kolom NAAM|NUMMER      de kolom met de functienaam: de naam uit de kopregel
                           of het nummer (1 is de eerste kolom). Standaard de
                           enige kolom, of de kolom waarvan de kop "functie" of
                           "beroep" bevat.
  --kopregel               de eerste regel is een kopregel
  --geen-kopregel          de eerste regel is gewoon een regel met gegevens
                           Zonder een van beide: een bestand met meer kolommen
                           heeft een kopregel; een bestand met één kolom alleen
                           als de eerste regel "Functienaam", "Functie",
                           "Beroep" of "Titel" is.
  --scheidingsteken TEKEN  scheidingsteken van de invoer: ';', ',' of tab
                           (standaard: herkend aan het bestand)
  --uitvoer-scheidingsteken TEKEN
                           scheidingsteken van de uitvoer (standaard ';')
  --kandidaten N           aantal kandidaten per regel, 1 tot 3 (standaard 3)
  --codering CODERING      codering van de uitvoer: windows-1252 (standaard),
                           utf-8 of utf-8-bom
  --stil                   geen voortgang en geen samenvatting
  --help                   deze tekst

De invoer mag UTF-8 (met of zonder BOM), UTF-16 met BOM of windows-1252 zijn;
velden tussen aanhalingstekens mogen scheidingstekens, aanhalingstekens ("")
en regelovergangen bevatten.

De uitvoer bevat elke regel van de invoer in dezelfde volgorde met al haar
kolommen ongewijzigd, gevolgd door RVL92, Beroep, Functienaam, Score en
Zekerheid van de beste kandidaat en RVL92, Beroep, Functienaam en Score van de
tweede en derde. Lege regels blijven lege regels. Regels eindigen op CR LF;
velden met het scheidingsteken, een aanhalingsteken of een regelovergang
staan tussen aanhalingstekens.

Afsluitcodes:
  0  gelukt
  2  onjuiste opties
  3  invoer onleesbaar: bestand ontbreekt, is leeg, is geen tekst, of de
     gekozen kolom bestaat niet
  4  de database kan niet worden geopend of gelezen
  5  de uitvoer kan niet worden geschreven
  130 onderbroken (Ctrl+C); er is geen uitvoerbestand geschreven
)";

std::atomic<bool> interrupted{false};

void onInterrupt(int) {
    interrupted.store(true);
}

void say(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

struct Arguments {
    QString programDir;
    QString database;
    QString input = QStringLiteral("-");
    QString output = QStringLiteral("-");
    BatchOptions batch;
    bool quiet = false;
    bool help = false;
};

std::optional<QChar> separatorArgument(const QString& value) {
    const QString v = value.toLower();
    if (v == QLatin1String(";") || v == QLatin1String("puntkomma"))
        return QChar(u';');
    if (v == QLatin1String(",") || v == QLatin1String("komma"))
        return QChar(u',');
    if (v == QLatin1String("tab") || v == QLatin1String("\t") || v == QLatin1String("\\t"))
        return QChar(u'\t');
    return std::nullopt;
}

std::optional<Arguments> parseArguments(const QStringList& args, QString* error) {
    Arguments a;
    QStringList positional;
    for (int i = 1; i < args.size(); ++i) {
        QString arg = args[i];
        QString value;
        bool hasValue = false;
        const qsizetype eq = arg.indexOf(u'=');
        if (arg.startsWith(QLatin1String("--")) && eq > 0) {
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
            hasValue = true;
        }
        const auto next = [&]() -> std::optional<QString> {
            if (hasValue)
                return value;
            if (i + 1 >= args.size()) {
                *error = QStringLiteral("Bij %1 ontbreekt de waarde.").arg(arg);
                return std::nullopt;
            }
            return args[++i];
        };
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            a.help = true;
        } else if (arg == QLatin1String("--stil")) {
            a.quiet = true;
        } else if (arg == QLatin1String("--kopregel")) {
            a.batch.header = BatchOptions::Header::Yes;
        } else if (arg == QLatin1String("--geen-kopregel")) {
            a.batch.header = BatchOptions::Header::No;
        } else if (arg == QLatin1String("--programmamap") || arg == QLatin1String("--database") ||
                   arg == QLatin1String("--kolom") || arg == QLatin1String("--scheidingsteken") ||
                   arg == QLatin1String("--uitvoer-scheidingsteken") ||
                   arg == QLatin1String("--kandidaten") || arg == QLatin1String("--codering")) {
            const std::optional<QString> v = next();
            if (!v)
                return std::nullopt;
            if (arg == QLatin1String("--programmamap")) {
                a.programDir = *v;
            } else if (arg == QLatin1String("--database")) {
                a.database = *v;
            } else if (arg == QLatin1String("--kolom")) {
                a.batch.column = *v;
            } else if (arg == QLatin1String("--kandidaten")) {
                bool ok = false;
                a.batch.candidates = v->toInt(&ok);
                if (!ok || a.batch.candidates < 1 || a.batch.candidates > 3) {
                    *error =
                        QStringLiteral("--kandidaten moet 1, 2 of 3 zijn, niet \"%1\".").arg(*v);
                    return std::nullopt;
                }
            } else if (arg == QLatin1String("--codering")) {
                const QString c = v->toLower();
                if (c == QLatin1String("windows-1252") || c == QLatin1String("cp1252"))
                    a.batch.encoding = OutputEncoding::Windows1252;
                else if (c == QLatin1String("utf-8") || c == QLatin1String("utf8"))
                    a.batch.encoding = OutputEncoding::Utf8;
                else if (c == QLatin1String("utf-8-bom") || c == QLatin1String("utf8-bom"))
                    a.batch.encoding = OutputEncoding::Utf8Bom;
                else {
                    *error = QStringLiteral("Onbekende codering \"%1\": kies windows-1252, utf-8 "
                                            "of utf-8-bom.")
                                 .arg(*v);
                    return std::nullopt;
                }
            } else {
                const std::optional<QChar> sep = separatorArgument(*v);
                if (!sep) {
                    *error = QStringLiteral("Onbekend scheidingsteken \"%1\": kies ';', ',' of "
                                            "tab.")
                                 .arg(*v);
                    return std::nullopt;
                }
                (arg == QLatin1String("--scheidingsteken") ? a.batch.inputSeparator
                                                           : a.batch.outputSeparator) = *sep;
            }
        } else if (arg.startsWith(u'-') && arg != QLatin1String("-")) {
            *error = QStringLiteral("Onbekende optie: %1").arg(args[i]);
            return std::nullopt;
        } else {
            positional << arg;
        }
    }
    if (positional.size() > 2) {
        *error = QStringLiteral("Te veel bestanden: geef één invoer- en één uitvoerbestand.");
        return std::nullopt;
    }
    if (!a.programDir.isEmpty() && !a.database.isEmpty()) {
        *error = QStringLiteral("Geef --programmamap of --database, niet allebei.");
        return std::nullopt;
    }
    if (!positional.isEmpty())
        a.input = positional[0];
    if (positional.size() > 1)
        a.output = positional[1];
    return a;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QString error;
    const std::optional<Arguments> args = parseArguments(app.arguments(), &error);
    if (!args) {
        say(error);
        say(QStringLiteral("Zie rvl92-codeer --help."));
        return BadArguments;
    }
    if (args->help) {
        std::fputs(HelpText, stdout);
        return Success;
    }

    // The input first: a wrong file is told before the database is read.
    QByteArray bytes;
    {
        QFile in;
        const bool fromStdin = args->input == QLatin1String("-");
        const bool opened = fromStdin ? in.open(stdin, QIODevice::ReadOnly)
                                      : (in.setFileName(args->input), in.open(QIODevice::ReadOnly));
        if (!opened || (!fromStdin && QFileInfo(args->input).isDir())) {
            say(QStringLiteral("Kan het invoerbestand %1 niet lezen: %2")
                    .arg(QDir::toNativeSeparators(args->input),
                         QFileInfo(args->input).isDir() ? QStringLiteral("het is een map")
                                                        : in.errorString()));
            return BadInput;
        }
        bytes = in.readAll();
    }
    const std::optional<BatchInput> input = BatchCoder::read(bytes, args->batch, &error);
    bytes.clear();
    if (!input) {
        say(error);
        return BadInput;
    }
    if (!args->quiet)
        say(BatchCoder::describeInput(*input));

    const QString dbFile =
        !args->database.isEmpty()
            ? args->database
            : Database::databasePath(args->programDir.isEmpty() ? app.applicationDirPath()
                                                                : args->programDir);
    Database db;
    DbError dbError;
    if (!db.open(dbFile, &dbError)) {
        say(QStringLiteral("Kan de database %1 niet openen: %2")
                .arg(QDir::toNativeSeparators(dbFile), dbError.description));
        return NoDatabase;
    }
    const std::unique_ptr<CodingEngine> engine = CodingEngine::fromDatabase(db, &dbError);
    if (!engine) {
        say(QStringLiteral("Kan de functienamen in %1 niet lezen: %2")
                .arg(QDir::toNativeSeparators(dbFile), dbError.description));
        return NoDatabase;
    }

    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    const bool showProgress = !args->quiet && isatty(STDERR_FILENO);
    const BatchCoder::Progress progress = [&](qint64 done, qint64 total) {
        if (showProgress)
            std::fprintf(stderr, "\r%lld van %lld regels (%lld%%)", static_cast<long long>(done),
                         static_cast<long long>(total),
                         static_cast<long long>(total > 0 ? done * 100 / total : 100));
    };

    BatchSummary summary;
    if (args->output == QLatin1String("-")) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly)) {
            say(QStringLiteral("Kan niet naar de standaarduitvoer schrijven."));
            return OutputFailed;
        }
        summary = BatchCoder::write(*engine, *input, args->batch, &out, progress, &interrupted);
        if (summary.status == BatchSummary::Status::Done && !out.flush()) {
            summary.status = BatchSummary::Status::Failed;
            summary.error = QStringLiteral("Het schrijven van de uitvoer is mislukt: %1")
                                .arg(out.errorString());
        }
    } else {
        summary = BatchCoder::writeFile(*engine, *input, args->batch,
                                        args->input == QLatin1String("-") ? QString() : args->input,
                                        args->output, progress, &interrupted);
    }
    if (showProgress)
        std::fputc('\n', stderr);
    switch (summary.status) {
    case BatchSummary::Status::Cancelled:
        say(QStringLiteral("Onderbroken; er is geen uitvoerbestand geschreven."));
        return Interrupted;
    case BatchSummary::Status::Failed:
        say(summary.error);
        return OutputFailed;
    case BatchSummary::Status::Done:
        break;
    }
    if (!args->quiet) {
        say(BatchCoder::describeSummary(summary));
        if (summary.replacedCharacters > 0)
            say(QStringLiteral("Let op: %1 tekens bestaan niet in windows-1252 en staan als ? in "
                               "de uitvoer; gebruik --codering utf-8 om ze te bewaren.")
                    .arg(summary.replacedCharacters));
    }
    return Success;
}
