#include "export/screenexports.h"

#include "app/appstate.h"
#include "coding/codingengine.h"
#include "data/database.h"
#include "data/recordset.h"
#include "export/layouts.h"

namespace rvl92::exports {

namespace {

using Layout = void (*)(const Recordset&, ExportType, ExportLines&);

// A list result: written row by row, then put back on its first row.
ExportResult exportList(QWidget* screen, Recordset& rs, const QString& defaultName, Layout layout) {
    if (!rs.isOpen())
        return ExportResult::NoResult;
    ExportJob job;
    job.recordCount = rs.recordCount();
    job.defaultName = defaultName;
    job.write = [&rs, layout](ExportType type, ExportLines& out, QString*) {
        layout(rs, type, out);
        return true;
    };
    job.afterWriting = [&rs] { rs.moveFirst(); };
    return runExport(screen, job);
}

} // namespace

ExportResult exportKenmerken(QWidget* screen, const Recordset& rs) {
    if (!rs.isOpen())
        return ExportResult::NoResult;
    ExportJob job;
    job.recordCount = rs.recordCount();
    job.defaultName = QStringLiteral("Kenmerken");
    job.write = [&rs](ExportType type, ExportLines& out, QString*) {
        writeKenmerken(rs, type, out);
        return true;
    };
    return runExport(screen, job);
}

ExportResult exportZoekenFuncties(QWidget* screen, Recordset& rs) {
    return exportList(screen, rs, QStringLiteral("ZoekenFuncties"), writeFunctienamen);
}

ExportResult exportZoekenRvl92(QWidget* screen, Recordset& rs) {
    return exportList(screen, rs, QStringLiteral("ZoekenRVL"), writeFunctienamen);
}

ExportResult exportZoekenKenmerken(QWidget* screen, Recordset& rs) {
    return exportList(screen, rs, QStringLiteral("ZoekenKenmerken"), writeZoekenKenmerken);
}

ExportResult exportCoderen(QWidget* screen, const std::vector<coding::Candidate>& candidates) {
    if (candidates.empty())
        return ExportResult::NoResult;
    ExportJob job;
    job.recordCount = int(candidates.size());
    job.defaultName = QStringLiteral("Coderen");
    job.write = [&candidates](ExportType type, ExportLines& out, QString*) {
        writeCoderen(candidates, type, out);
        return true;
    };
    return runExport(screen, job);
}

ExportResult exportNamen(QWidget* screen, const Recordset& rs, const Database& cnn) {
    if (!rs.isOpen())
        return ExportResult::NoResult;
    // Every row of the list carries the shown occupation's code.
    const QString code = rs.valueAt(0, 0).value_or(appState().gsRvl92Code);
    ExportJob job;
    job.recordCount = rs.recordCount();
    job.defaultName = QStringLiteral("Namen");
    job.write = [&cnn, code](ExportType type, ExportLines& out, QString* reason) {
        Recordset rsExport;
        DbError error;
        if (!rsExport.open(namenExportSql(code), cnn, &error)) {
            *reason = QStringLiteral("De functienamen konden niet worden gelezen:\n%1 %2")
                          .arg(QString::number(error.number), error.description);
            return false;
        }
        writeNamen(rsExport, type, out);
        return true;
    };
    return runExport(screen, job);
}

} // namespace rvl92::exports
