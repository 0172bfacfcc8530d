#include "wordlists.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringDecoder>

namespace demodata {

namespace {

struct Line {
    int number = 0;
    QString text;
};

// One word list file: its meaningful lines and the way to report an error in it.
class ListFile {
public:
    ListFile(const QString& dir, const QString& name) : m_path(QDir(dir).filePath(name)) {}

    bool read(QString* error) {
        QFile file(m_path);
        if (!file.exists()) {
            *error = QStringLiteral("Woordenlijst %1 ontbreekt.").arg(native());
            return false;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("Kan woordenlijst %1 niet lezen.").arg(native());
            return false;
        }
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString content = decoder(file.readAll());
        if (decoder.hasError()) {
            *error = QStringLiteral("Woordenlijst %1 is geen geldige UTF-8-tekst.").arg(native());
            return false;
        }
        const QStringList rows = content.split(QLatin1Char('\n'));
        for (int i = 0; i < rows.size(); ++i) {
            const QString text = rows[i].trimmed().normalized(QString::NormalizationForm_C);
            if (!text.isEmpty() && !text.startsWith(QLatin1Char('#'))) {
                m_lines.append({i + 1, text});
            }
        }
        if (m_lines.isEmpty()) {
            *error = QStringLiteral("Woordenlijst %1 bevat geen regels.").arg(native());
            return false;
        }
        return true;
    }

    const QList<Line>& lines() const { return m_lines; }

    bool fail(const Line& line, const QString& message, QString* error) const {
        *error =
            QStringLiteral("%1, regel %2: %3").arg(native(), QString::number(line.number), message);
        return false;
    }

    bool fail(const QString& message, QString* error) const {
        *error = QStringLiteral("%1: %2").arg(native(), message);
        return false;
    }

    // Splits "a | b | c" into exactly count trimmed fields.
    bool fields(const Line& line, int count, QStringList* out, QString* error) const {
        QStringList parts = line.text.split(QLatin1Char('|'));
        if (parts.size() != count) {
            return fail(line,
                        QStringLiteral("verwacht %1 velden gescheiden door \"|\".").arg(count),
                        error);
        }
        for (QString& part : parts) {
            part = part.trimmed();
            if (part.isEmpty()) {
                return fail(line, QStringLiteral("een veld is leeg."), error);
            }
        }
        *out = parts;
        return true;
    }

private:
    QString native() const { return QDir::toNativeSeparators(m_path); }

    QString m_path;
    QList<Line> m_lines;
};

bool isDigits(const QString& text, int count) {
    if (text.size() != count) {
        return false;
    }
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

// "code name" with a code of one of the given widths; codes strictly ascending.
bool readLookup(const QString& dir, const QString& name, std::initializer_list<int> widths,
                QList<LookupRow>* rows, QList<int>* lineNumbers, QString* error) {
    ListFile file(dir, name);
    if (!file.read(error)) {
        return false;
    }
    QString widthText;
    for (int width : widths) {
        widthText +=
            (widthText.isEmpty() ? QString() : QStringLiteral(" of ")) + QString::number(width);
    }
    for (const Line& line : file.lines()) {
        const int blank = line.text.indexOf(QLatin1Char(' '));
        const QString code = line.text.left(blank);
        const QString rest = blank < 0 ? QString() : line.text.mid(blank + 1).trimmed();
        bool valid = false;
        for (int width : widths) {
            valid = valid || isDigits(code, width);
        }
        if (!valid || rest.isEmpty()) {
            return file.fail(
                line,
                QStringLiteral("verwacht een code van %1 cijfers, een spatie en een naam.")
                    .arg(widthText),
                error);
        }
        if (!rows->isEmpty() && code <= rows->last().code) {
            return file.fail(line,
                             QStringLiteral("code %1 komt niet na %2 (de codes staan oplopend en "
                                            "komen één keer voor).")
                                 .arg(code, rows->last().code),
                             error);
        }
        rows->append({code, rest});
        if (lineNumbers) {
            lineNumbers->append(line.number);
        }
    }
    return true;
}

bool readLevelMask(const ListFile& file, const Line& line, const QString& text,
                   const WordLists& lists, LevelMask* mask, QString* error) {
    *mask = 0;
    for (QChar c : text) {
        const int level = c.digitValue();
        if (level < 1 || lists.levelIndex(level) < 0 || hasLevel(*mask, level)) {
            return file.fail(
                line,
                QStringLiteral("\"%1\" is geen reeks beroepsniveaus uit beroepsniveaus.txt.")
                    .arg(text),
                error);
        }
        *mask |= 1U << level;
    }
    return true;
}

bool readCodes(const ListFile& file, const Line& line, const QString& text,
               const QList<LookupRow>& table, const QString& what, QList<int>* out,
               QString* error) {
    for (const QString& code : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        int found = -1;
        for (int i = 0; i < table.size() && found < 0; ++i) {
            if (table[i].code == code) {
                found = i;
            }
        }
        if (found < 0) {
            return file.fail(line, QStringLiteral("onbekende %1 %2.").arg(what, code), error);
        }
        out->append(found);
    }
    return true;
}

bool readLevels(const QString& dir, WordLists* lists, QString* error) {
    ListFile file(dir, QStringLiteral("beroepsniveaus.txt"));
    if (!file.read(error)) {
        return false;
    }
    for (const Line& line : file.lines()) {
        QStringList f;
        if (!file.fields(line, 4, &f, error)) {
            return false;
        }
        Level level;
        level.code = isDigits(f[0], 1) ? f[0].toInt() : 0;
        if (level.code < 1) {
            return file.fail(
                line, QStringLiteral("een beroepsniveau is één cijfer van 1 tot en met 9."), error);
        }
        if (!lists->levels.isEmpty() && level.code <= lists->levels.last().code) {
            return file.fail(line,
                             QStringLiteral("beroepsniveau %1 komt niet na %2.")
                                 .arg(level.code)
                                 .arg(lists->levels.last().code),
                             error);
        }
        bool ok = false;
        level.weight = f[3].toInt(&ok);
        if (!ok || level.weight < 1 || level.weight > 1000) {
            return file.fail(
                line, QStringLiteral("het gewicht is een geheel getal van 1 tot en met 1000."),
                error);
        }
        level.name = f[1];
        level.adjective = f[2];
        lists->levels.append(level);
    }
    return true;
}

bool readDirections(const QString& dir, WordLists* lists, QString* error) {
    QList<int> numbers;
    if (!readLookup(dir, QStringLiteral("richtingen.txt"), {2, 3}, &lists->directions, &numbers,
                    error)) {
        return false;
    }
    const ListFile file(dir, QStringLiteral("richtingen.txt"));
    QString main;
    int sinceMain = 0;
    for (int i = 0; i < lists->directions.size(); ++i) {
        const QString& code = lists->directions[i].code;
        const Line line{numbers[i], code};
        if (code.size() == 2) {
            if (!main.isEmpty() && sinceMain == 0) {
                return file.fail(
                    line, QStringLiteral("hoofdrichting %1 heeft geen richtingen.").arg(main),
                    error);
            }
            main = code;
            sinceMain = 0;
        } else if (main.isEmpty() || !code.startsWith(main)) {
            return file.fail(
                line,
                QStringLiteral("richting %1 staat niet direct onder haar hoofdrichting %2.")
                    .arg(code, code.left(2)),
                error);
        } else {
            ++sinceMain;
        }
    }
    if (sinceMain == 0) {
        return file.fail(QStringLiteral("hoofdrichting %1 heeft geen richtingen.").arg(main),
                         error);
    }
    return true;
}

bool readClasses(const QString& dir, WordLists* lists, QString* error) {
    ListFile file(dir, QStringLiteral("beroepsklassen.txt"));
    if (!file.read(error)) {
        return false;
    }
    for (const Line& line : file.lines()) {
        QStringList f;
        if (!file.fields(line, 5, &f, error)) {
            return false;
        }
        OccupationClass c;
        c.digit = isDigits(f[0], 1) ? f[0].toInt() : -1;
        if (c.digit < 0) {
            return file.fail(line, QStringLiteral("het klassecijfer is één cijfer."), error);
        }
        for (const OccupationClass& other : std::as_const(lists->classes)) {
            if (other.digit == c.digit || other.key == f[1]) {
                return file.fail(
                    line, QStringLiteral("klasse %1 (%2) komt twee keer voor.").arg(f[0], f[1]),
                    error);
            }
        }
        c.key = f[1];
        c.name = f[2];
        if (!readCodes(file, line, f[3], lists->workTypes, QStringLiteral("werksoort"),
                       &c.usualWorkTypes, error) ||
            !readCodes(file, line, f[4], lists->skills, QStringLiteral("vaardigheid"),
                       &c.usualSkills, error)) {
            return false;
        }
        lists->classes.append(c);
    }
    return true;
}

int fieldIndex(const WordLists& lists, const QString& key) {
    for (int i = 0; i < lists.fields.size(); ++i) {
        if (lists.fields[i].key == key) {
            return i;
        }
    }
    return -1;
}

bool finishField(const ListFile& file, const Line& header, Field* field, QStringList* seen,
                 QString* error) {
    for (const QString& key : {QStringLiteral("klasse"), QStringLiteral("groep"),
                               QStringLiteral("richting"), QStringLiteral("vakken")}) {
        if (!seen->contains(key)) {
            return file.fail(header,
                             QStringLiteral("vakgebied %1 mist \"%2 = ...\".").arg(field->key, key),
                             error);
        }
    }
    bool anyRole = false;
    for (const QList<Role>& roles : field->roles) {
        anyRole = anyRole || !roles.isEmpty();
        for (const Role& role : roles) {
            for (const QString& specialisation : role.specialisations) {
                if (!field->specialisations.contains(specialisation)) {
                    return file.fail(header,
                                     QStringLiteral("rol %1 noemt \"%2\", dat niet bij de vakken "
                                                    "van %3 staat.")
                                         .arg(role.forms.front(), specialisation, field->key),
                                     error);
                }
            }
        }
    }
    if (!anyRole) {
        return file.fail(header, QStringLiteral("vakgebied %1 heeft geen rollen.").arg(field->key),
                         error);
    }
    seen->clear();
    return true;
}

bool readFieldEntry(const ListFile& file, const Line& line, WordLists* lists, Field* field,
                    QStringList* seen, QString* error) {
    const int equals = line.text.indexOf(QLatin1Char('='));
    if (equals < 0) {
        return file.fail(line, QStringLiteral("verwacht \"naam = waarde\"."), error);
    }
    const QString key = line.text.left(equals).trimmed();
    const QString value = line.text.mid(equals + 1).trimmed();
    if (value.isEmpty() || seen->contains(key)) {
        return file.fail(line,
                         value.isEmpty() ? QStringLiteral("\"%1\" heeft geen waarde.").arg(key)
                                         : QStringLiteral("\"%1\" staat er twee keer.").arg(key),
                         error);
    }
    seen->append(key);
    auto items = [&value] {
        QStringList result;
        for (const QString& item : value.split(QLatin1Char(';'))) {
            if (!item.trimmed().isEmpty()) {
                result.append(item.trimmed());
            }
        }
        return result;
    };
    if (key == QLatin1String("klasse")) {
        field->occupationClass = -1;
        for (int i = 0; i < lists->classes.size(); ++i) {
            if (lists->classes[i].key == value) {
                field->occupationClass = i;
            }
        }
        if (field->occupationClass < 0) {
            return file.fail(line, QStringLiteral("onbekende beroepsklasse %1.").arg(value), error);
        }
    } else if (key == QLatin1String("groep")) {
        field->groupName = value;
    } else if (key == QLatin1String("richting")) {
        field->direction = -1;
        for (int i = 0; i < lists->directions.size(); ++i) {
            if (lists->directions[i].code == value && value.size() == 3) {
                field->direction = i;
            }
        }
        if (field->direction < 0) {
            return file.fail(
                line, QStringLiteral("%1 is geen richting uit richtingen.txt.").arg(value), error);
        }
    } else if (key == QLatin1String("vakken")) {
        field->specialisations = items();
    } else if (isDigits(key, 1) && lists->levelIndex(key.toInt()) >= 0) {
        for (QString item : items()) {
            Role role;
            const int open = item.indexOf(QLatin1Char('['));
            if (open >= 0) {
                if (!item.endsWith(QLatin1Char(']'))) {
                    return file.fail(
                        line, QStringLiteral("\"[\" zonder \"]\" aan het eind van de rol."), error);
                }
                for (const QString& specialisation :
                     item.mid(open + 1, item.size() - open - 2).split(QLatin1Char(','))) {
                    role.specialisations.append(specialisation.trimmed());
                }
                item = item.left(open).trimmed();
            }
            for (const QString& form : item.split(QLatin1Char('/'))) {
                if (form.trimmed().isEmpty()) {
                    return file.fail(line, QStringLiteral("een rol heeft een lege vorm."), error);
                }
                role.forms.append(form.trimmed());
            }
            field->roles[key.toInt()].append(role);
        }
    } else {
        return file.fail(line, QStringLiteral("onbekende naam \"%1\".").arg(key), error);
    }
    return true;
}

bool readFields(const QString& dir, WordLists* lists, QString* error) {
    ListFile file(dir, QStringLiteral("vakgebieden.txt"));
    if (!file.read(error)) {
        return false;
    }
    QStringList seen;
    Line header;
    for (const Line& line : file.lines()) {
        if (line.text.startsWith(QLatin1Char('[')) && line.text.endsWith(QLatin1Char(']'))) {
            if (!lists->fields.isEmpty() &&
                !finishField(file, header, &lists->fields.last(), &seen, error)) {
                return false;
            }
            Field field;
            field.key = line.text.mid(1, line.text.size() - 2).trimmed();
            if (field.key.isEmpty() || fieldIndex(*lists, field.key) >= 0) {
                return file.fail(line,
                                 QStringLiteral("vakgebied \"%1\" is leeg of komt twee keer voor.")
                                     .arg(field.key),
                                 error);
            }
            lists->fields.append(field);
            header = line;
        } else if (lists->fields.isEmpty()) {
            return file.fail(line, QStringLiteral("regel staat niet onder een [vakgebied]."),
                             error);
        } else if (!readFieldEntry(file, line, lists, &lists->fields.last(), &seen, error)) {
            return false;
        }
    }
    if (lists->fields.isEmpty()) {
        return file.fail(QStringLiteral("er staat geen vakgebied in."), error);
    }
    if (!finishField(file, header, &lists->fields.last(), &seen, error)) {
        return false;
    }
    // The third digit of a group code counts the fields of one class on one level.
    for (const Level& level : std::as_const(lists->levels)) {
        QHash<int, int> perClass;
        for (const Field& field : std::as_const(lists->fields)) {
            if (!field.roles[level.code].isEmpty() && ++perClass[field.occupationClass] > 9) {
                return file.fail(QStringLiteral("beroepsklasse %1 heeft op beroepsniveau %2 meer "
                                                "dan 9 vakgebieden.")
                                     .arg(lists->classes[field.occupationClass].key)
                                     .arg(level.code),
                                 error);
            }
        }
    }
    return true;
}

bool readAffixes(const QString& dir, WordLists* lists, QString* error) {
    ListFile qualifiers(dir, QStringLiteral("kwalificaties.txt"));
    if (!qualifiers.read(error)) {
        return false;
    }
    for (const Line& line : qualifiers.lines()) {
        QStringList f;
        Affix affix;
        if (!qualifiers.fields(line, 2, &f, error) ||
            !readLevelMask(qualifiers, line, f[0], *lists, &affix.levels, error)) {
            return false;
        }
        affix.text = f[1];
        lists->qualifiers.append(affix);
    }
    ListFile additions(dir, QStringLiteral("toevoegingen.txt"));
    if (!additions.read(error)) {
        return false;
    }
    for (const Line& line : additions.lines()) {
        QStringList f;
        Affix affix;
        if (!additions.fields(line, 3, &f, error)) {
            return false;
        }
        if (f[0] != QLatin1String("1") && f[0] != QLatin1String("2")) {
            return additions.fail(line, QStringLiteral("de plaats is 1 of 2."), error);
        }
        if (!readLevelMask(additions, line, f[1], *lists, &affix.levels, error)) {
            return false;
        }
        affix.text = f[2];
        lists->additions[f[0].toInt() - 1].append(affix);
    }
    return true;
}

bool readSpecials(const QString& dir, WordLists* lists, QString* error) {
    ListFile occupations(dir, QStringLiteral("bijzondere_beroepen.txt"));
    if (!occupations.read(error)) {
        return false;
    }
    for (const Line& line : occupations.lines()) {
        QStringList f;
        if (!occupations.fields(line, 4, &f, error)) {
            return false;
        }
        SpecialOccupation special;
        special.field = fieldIndex(*lists, f[0]);
        special.level = isDigits(f[1], 1) ? f[1].toInt() : 0;
        if (special.field < 0) {
            return occupations.fail(line, QStringLiteral("onbekend vakgebied %1.").arg(f[0]),
                                    error);
        }
        if (lists->fields[special.field].roles[special.level].isEmpty()) {
            return occupations.fail(line,
                                    QStringLiteral("vakgebied %1 heeft geen rollen op "
                                                   "beroepsniveau %2.")
                                        .arg(f[0], f[1]),
                                    error);
        }
        special.role = f[2];
        special.specialisation = f[3];
        lists->specialOccupations.append(special);
    }
    ListFile titles(dir, QStringLiteral("bijzondere_functienamen.txt"));
    if (!titles.read(error)) {
        return false;
    }
    for (const Line& line : titles.lines()) {
        QStringList f;
        if (!titles.fields(line, 3, &f, error)) {
            return false;
        }
        SpecialTitle special;
        special.field = fieldIndex(*lists, f[0]);
        if (special.field < 0) {
            return titles.fail(line, QStringLiteral("onbekend vakgebied %1.").arg(f[0]), error);
        }
        if (!readLevelMask(titles, line, f[1], *lists, &special.levels, error)) {
            return false;
        }
        special.text = f[2];
        lists->specialTitles.append(special);
    }
    return true;
}

} // namespace

int WordLists::levelIndex(int code) const {
    for (int i = 0; i < levels.size(); ++i) {
        if (levels[i].code == code) {
            return i;
        }
    }
    return -1;
}

int WordLists::mainDirectionOf(int direction) const {
    for (int i = direction; i >= 0; --i) {
        if (directions[i].code.size() == 2) {
            return i;
        }
    }
    return -1;
}

std::optional<WordLists> loadWordLists(const QString& dir, QString* error) {
    WordLists lists;
    const bool ok =
        readLevels(dir, &lists, error) &&
        readLookup(dir, QStringLiteral("bekwaamheidsniveaus.txt"), {1}, &lists.skillLevels, nullptr,
                   error) &&
        readDirections(dir, &lists, error) &&
        readLookup(dir, QStringLiteral("werksoorten.txt"), {3}, &lists.workTypes, nullptr, error) &&
        readLookup(dir, QStringLiteral("vaardigheden.txt"), {3}, &lists.skills, nullptr, error) &&
        readClasses(dir, &lists, error) && readFields(dir, &lists, error) &&
        readAffixes(dir, &lists, error) && readSpecials(dir, &lists, error);
    if (!ok) {
        return std::nullopt;
    }
    return lists;
}

} // namespace demodata
