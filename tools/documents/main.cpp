// rvl92-docs: writes the documentation of the installed tree. From the Markdown
// sources in installdata/docs: the eight help texts (RTF), the manual and the
// publication text (PDF and RTF ".doc"), and the explanations of the conversion
// schemes; from the demonstration database: the classification scheme, the
// code lists with their record descriptions and the complete lists of job
// titles and occupations.
//
//     rvl92-docs --bronnen <installdata/docs> --database <RVL92.MDB> --uit <tree>

#include "codelists.h"
#include "demodb.h"
#include "publication.h"
#include "richtext.h"
#include "rtfwriter.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextStream>

namespace {

struct Options {
    QString sources, database, out;
};

bool readText(const QString& path, QString* text, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, f.errorString());
        return false;
    }
    *text = QString::fromUtf8(f.readAll());
    return true;
}

// One Markdown text as a PDF, an RTF file or both.
bool writeDocument(const QString& markdown, const QString& title, const QString& pdf,
                   const QString& rtf, QString* error) {
    const std::unique_ptr<QTextDocument> doc = docs::documentFromMarkdown(markdown);
    doc->setMetaInformation(QTextDocument::DocumentTitle, title);
    if (!pdf.isEmpty() && !docs::writePdf(*doc, pdf, title)) {
        *error = QStringLiteral("%1 kan niet worden geschreven").arg(pdf);
        return false;
    }
    return rtf.isEmpty() || docs::writeBytes(rtf, docs::toRtf(*doc, title), error);
}

bool writeHelpTexts(const Options& o, QString* error) {
    const QDir sources(o.sources + QStringLiteral("/help"));
    const QStringList files = sources.entryList({QStringLiteral("Help*.md")}, QDir::Files);
    if (files.size() != 8) {
        *error = QStringLiteral("%1: acht helpteksten verwacht, %2 gevonden")
                     .arg(sources.path())
                     .arg(files.size());
        return false;
    }
    for (const QString& file : files) {
        QString text;
        if (!readText(sources.filePath(file), &text, error))
            return false;
        const QString rtf = o.out + QStringLiteral("/Programmabestanden/") +
                            QFileInfo(file).completeBaseName() + QStringLiteral(".rtf");
        if (!writeDocument(text, QFileInfo(file).completeBaseName(), QString(), rtf, error))
            return false;
    }
    return true;
}

bool writeManualAndPublication(const Options& o, const docs::DemoDb& db, QString* error) {
    QString manual, publication;
    if (!readText(o.sources + QStringLiteral("/Handleiding.md"), &manual, error) ||
        !readText(o.sources + QStringLiteral("/PubRVL.md"), &publication, error))
        return false;
    if (!writeDocument(manual, QStringLiteral("RVL92 Handleiding"),
                       o.out + QStringLiteral("/Handleiding.pdf"),
                       o.out + QStringLiteral("/Handleiding.doc"), error))
        return false;
    const QString pub = docs::publicationMarkdown(publication, db, error);
    if (pub.isEmpty())
        return false;
    if (!writeDocument(pub, QStringLiteral("RVL92 Publicatietekst"),
                       o.out + QStringLiteral("/PubRVL.pdf"), o.out + QStringLiteral("/PubRVL.doc"),
                       error))
        return false;
    const QString scheme = docs::schemeMarkdown(db, error);
    return !scheme.isEmpty() &&
           writeDocument(scheme, QStringLiteral("Classificatieschema RVL92"),
                         o.out + QStringLiteral("/Classificatieschema RVL92.pdf"), QString(),
                         error);
}

// Each folder of the conversion schemes gets its explanation as Toelichting.txt.
bool writeConversionSchemes(const Options& o, QString* error) {
    const QDir sources(o.sources + QStringLiteral("/schakelschemas"));
    const QStringList folders = {QStringLiteral("LK84-RVL92"), QStringLiteral("LK84-BERGRRVL92"),
                                 QStringLiteral("RVL92-ISCO88"),
                                 QStringLiteral("Sociale stratificatie")};
    for (const QString& folder : folders) {
        QString text;
        if (!readText(sources.filePath(folder + QStringLiteral(".txt")), &text, error))
            return false;
        QStringList lines = text.split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        const QString target = o.out + QStringLiteral("/Schakelschema's/") + folder +
                               QStringLiteral("/Toelichting.txt");
        if (!docs::writeTextLines(target, lines, error))
            return false;
    }
    return true;
}

int usage(const QString& why) {
    QTextStream(stderr)
        << "rvl92-docs: " << why << "\n"
        << "gebruik: rvl92-docs --bronnen <map> --database <RVL92.MDB> --uit <map>\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    Options o;
    const QStringList args = QGuiApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (i + 1 >= args.size())
            return usage(QStringLiteral("waarde ontbreekt bij %1").arg(a));
        if (a == QLatin1String("--bronnen"))
            o.sources = args[++i];
        else if (a == QLatin1String("--database"))
            o.database = args[++i];
        else if (a == QLatin1String("--uit"))
            o.out = args[++i];
        else
            return usage(QStringLiteral("onbekende optie %1").arg(a));
    }
    if (o.sources.isEmpty() || o.database.isEmpty() || o.out.isEmpty())
        return usage(QStringLiteral("--bronnen, --database en --uit zijn nodig"));

    QString error;
    docs::DemoDb db;
    const bool ok =
        db.open(o.database, &error) && writeHelpTexts(o, &error) &&
        writeManualAndPublication(o, db, &error) &&
        docs::writeCodeLists(db, o.out + QStringLiteral("/Codelijsten RVL"), &error) &&
        docs::writeUserFiles(db, o.out + QStringLiteral("/Gebruikersbestanden"), &error) &&
        writeConversionSchemes(o, &error);
    if (!ok) {
        QTextStream(stderr) << "rvl92-docs: " << error << "\n";
        return 1;
    }
    return 0;
}
