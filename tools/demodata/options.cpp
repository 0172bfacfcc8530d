#include "options.h"

#include <limits>

namespace demodata {

namespace {

constexpr int kMinOccupations = 3;
constexpr int kMaxOccupations = 9999;
constexpr std::int64_t kMaxJobTitles = 5000000;

bool parseNumber(const QString& option, const QString& text, std::uint64_t low, std::uint64_t high,
                 std::uint64_t* value, QString* error) {
    bool ok = false;
    *value = text.toULongLong(&ok);
    if (!ok || *value < low || *value > high) {
        *error = QStringLiteral("Ongeldige waarde voor %1: \"%2\" (verwacht een geheel getal van "
                                "%3 tot en met %4).")
                     .arg(option, text)
                     .arg(low)
                     .arg(high);
        return false;
    }
    return true;
}

} // namespace

QString usage() {
    return QStringLiteral(
        "Gebruik: rvl92-demodata --uit <bestand> [--woordenlijsten <map>] [--beroepen N]\n"
        "                        [--functienamen N] [--zaad S]\n"
        "Maakt de demonstratiedatabase van RVL92 uit de woordenlijsten.\n"
        "  --uit <bestand>           het databasebestand dat gemaakt wordt\n"
        "  --woordenlijsten <map>    map met de woordenlijsten\n"
        "  --beroepen N              aantal beroepen (standaard 1200)\n"
        "  --functienamen N          aantal functienamen (standaard 10000)\n"
        "  --zaad S                  beginwaarde van de toevalsgenerator (standaard 1992)\n"
        "Dezelfde argumenten geven altijd hetzelfde bestand.\n");
}

std::optional<Options> parseOptions(const QStringList& arguments, const QString& defaultWordLists,
                                    QString* error) {
    Options options;
    options.wordLists = defaultWordLists;
    for (int i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        QString value;
        bool hasValue = false;
        const int equals = name.indexOf(QLatin1Char('='));
        if (name.startsWith(QLatin1String("--")) && equals > 0) {
            value = name.mid(equals + 1);
            name = name.left(equals);
            hasValue = true;
        }
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            options.help = true;
            continue;
        }
        const QStringList known = {QStringLiteral("--uit"), QStringLiteral("--woordenlijsten"),
                                   QStringLiteral("--beroepen"), QStringLiteral("--functienamen"),
                                   QStringLiteral("--zaad")};
        if (!known.contains(name)) {
            *error = QStringLiteral("Onbekend argument: %1").arg(arguments[i]);
            return std::nullopt;
        }
        if (!hasValue) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("Bij %1 hoort een waarde.").arg(name);
                return std::nullopt;
            }
            value = arguments[++i];
        }
        std::uint64_t number = 0;
        if (name == QLatin1String("--uit") || name == QLatin1String("--woordenlijsten")) {
            if (value.isEmpty()) {
                *error = QStringLiteral("Bij %1 hoort een waarde.").arg(name);
                return std::nullopt;
            }
            (name == QLatin1String("--uit") ? options.output : options.wordLists) = value;
        } else if (name == QLatin1String("--beroepen")) {
            if (!parseNumber(name, value, kMinOccupations, kMaxOccupations, &number, error)) {
                return std::nullopt;
            }
            options.occupations = int(number);
        } else if (name == QLatin1String("--functienamen")) {
            if (!parseNumber(name, value, 1, kMaxJobTitles, &number, error)) {
                return std::nullopt;
            }
            options.jobTitles = std::int64_t(number);
        } else if (!parseNumber(name, value, 0, std::numeric_limits<std::uint64_t>::max(),
                                &options.seed, error)) {
            return std::nullopt;
        }
    }
    if (!options.help && options.output.isEmpty()) {
        *error = QStringLiteral("Geef met --uit aan welk databasebestand gemaakt moet worden.");
        return std::nullopt;
    }
    return options;
}

} // namespace demodata
