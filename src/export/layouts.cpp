#include "export/layouts.h"

#include "coding/codingengine.h"
#include "coding/csvtable.h"
#include "data/recordset.h"
#include "data/sqltext.h"

#include <QStringList>

namespace rvl92::exports {

const char* const characteristicLabels[18] = {
    "RVL92-code   : ", "Beroepsniveau: ", "Beroepsklasse: ", "Beroepsgroep : ", "Niveau       : ",
    "Hoofdrichting: ", "Richting     : ", "Werksoort1   : ", "Werksoort2   : ", "Werksoort3   : ",
    "Vaardigheid1 : ", "Vaardigheid2 : ", "Vaardigheid3 : ", "Vaardigheid4 : ", "Vaardigheid5 : ",
    "Vaardigheid6 : ", "Vaardigheid7 : ", "Beroep       : "};

namespace {

// Positions in a row of RVL: the occupation's code, its name, and the code of
// characteristic k (1..16) at 2k - 1 with its name right after it.
constexpr int PosCode = 0;
constexpr int PosOccupation = 33;
constexpr int CharacteristicCount = 16;

// Positions of the CSV line: the level's code, then every name.
constexpr int characteristicsCsvPositions[18] = {1,  2,  4,  6,  8,  10, 12, 14, 16,
                                                 18, 20, 22, 24, 26, 28, 30, 32, 33};

QString cell(const Recordset& rs, int row, int column) {
    return rs.valueAt(row, column).value_or(QString());
}

QString joinRow(const Recordset& rs, int row, std::initializer_list<int> columns,
                QLatin1Char separator) {
    QStringList parts;
    for (int c : columns)
        parts << cell(rs, row, c);
    return parts.join(separator);
}

void writeRows(const Recordset& rs, ExportType type, ExportLines& out,
               std::initializer_list<int> columns) {
    const QLatin1Char separator(type == ExportType::Csv ? ';' : ' ');
    for (int row = 0; row < rs.recordCount() && out.ok(); ++row)
        out.write(joinRow(rs, row, columns, separator));
}

} // namespace

void writeKenmerken(const Recordset& rs, ExportType type, ExportLines& out) {
    if (rs.recordCount() < 1)
        return;
    if (type == ExportType::Csv) {
        for (int row = 0; row < rs.recordCount() && out.ok(); ++row) {
            QStringList values;
            for (int pos : characteristicsCsvPositions)
                values << cell(rs, row, pos);
            out.write(values.join(QLatin1Char(';')));
        }
        return;
    }
    // Only the code decides whether a line is written; a name missing beside
    // a present code leaves the line ending in its blank.
    if (!rs.isNullAt(0, PosCode))
        out.write(QLatin1String(characteristicLabels[0]) + cell(rs, 0, PosCode));
    for (int k = 1; k <= CharacteristicCount; ++k) {
        const int pos = 2 * k - 1;
        if (!rs.isNullAt(0, pos))
            out.write(QLatin1String(characteristicLabels[k]) + cell(rs, 0, pos) + QLatin1Char(' ') +
                      cell(rs, 0, pos + 1));
    }
    if (!rs.isNullAt(0, PosOccupation))
        out.write(QLatin1String(characteristicLabels[17]) + cell(rs, 0, PosOccupation));
}

void writeFunctienamen(const Recordset& rs, ExportType type, ExportLines& out) {
    writeRows(rs, type, out, {0, 1});
}

void writeZoekenKenmerken(const Recordset& rs, ExportType type, ExportLines& out) {
    if (type == ExportType::Csv) {
        writeRows(rs, type, out, {0, 1, 3, 5, 7});
        return;
    }
    const QString blanks = QStringLiteral("   ");
    for (int row = 0; row < rs.recordCount() && out.ok(); ++row) {
        QStringList parts{cell(rs, row, 0)};
        for (int c : {1, 3, 5})
            parts << (rs.isNullAt(row, c) ? blanks : cell(rs, row, c));
        parts << cell(rs, row, 7);
        out.write(parts.join(QLatin1Char(' ')));
    }
}

void writeNamen(const Recordset& rs, ExportType type, ExportLines& out) {
    writeRows(rs, type, out, {0, 1, 2});
}

void writeCoderen(const std::vector<coding::Candidate>& candidates, ExportType type,
                  ExportLines& out) {
    for (const coding::Candidate& c : candidates) {
        if (!out.ok())
            return;
        if (type == ExportType::Csv) {
            QStringList fields;
            for (const QString& f : {c.code, c.occupation, c.title, QString::number(c.score)})
                fields << coding::CsvWriter::quoted(f, u';');
            out.write(fields.join(QLatin1Char(';')));
        } else {
            out.write(QStringLiteral("%1 %2 %3 (%4)")
                          .arg(c.code)
                          .arg(c.score, 3)
                          .arg(c.title, c.occupation));
        }
    }
}

QString namenExportSql(const QString& code) {
    // The code is a five-digit classification code; doubling quotes keeps
    // any other text a plain literal.
    const QString quoted = sqlLiteralText(code);
    return QStringLiteral("select RVL.RVL92,RVL.beroepsgroepcode, ") +
           QStringLiteral(" functienamen.functienaam from RVL left join functienamen on ") +
           QStringLiteral(" functienamen.RVL92 = RVL.RVL92 where RVL.RVL92 = '") + quoted +
           QLatin1Char('\'');
}

} // namespace rvl92::exports
