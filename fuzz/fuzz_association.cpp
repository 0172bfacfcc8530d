// Finding a document's viewer from text the system holds: registered open
// commands, desktop entries, mimeapps.list and mimeinfo.cache. Any text must
// give an answer, and the program path cut from a command must come from the
// command itself.

#include "documentation/association.h"
#include "fuzzinput.h"

#include <cstdio>
#include <cstdlib>

using namespace rvl92;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in(data, size);
    const QString command = in.text();
    const QString folder = in.text();
    const QString text = in.text();
    const QString mime = in.text();

    const QList<FolderPlaceholder> folders{
        {QStringLiteral("%Desktop%"), folder},
        {QStringLiteral("%SystemRoot%"), QString()},
        {QStringLiteral("%MyDocuments%"), folder + folder},
        {QStringLiteral("%ProgramFiles%"), QStringLiteral("C:\\P")}};
    const QString expanded = expandFolderPlaceholder(command, folders);
    const QString cut = programFromCommand(expanded);
    FUZZ_CHECK(cut.isEmpty() || expanded.contains(cut));
    FUZZ_CHECK(programFromRegisteredCommand(command, folders) == cut);
    const QString bare = bareProgramPath(cut);
    FUZZ_CHECK(bare.size() <= cut.size());
    FUZZ_CHECK(!bare.contains(QLatin1Char('"')));

    const DesktopEntry entry = parseDesktopEntry(text);
    bool ok = false;
    const QStringList arguments = splitExecLine(entry.valid ? entry.exec : command, &ok);
    FUZZ_CHECK(ok || arguments.isEmpty());
    if (!arguments.isEmpty()) {
        const QStringList opened =
            expandFieldCodes(arguments.mid(1), QStringLiteral("/tmp/a b.pdf"), entry, folder);
        FUZZ_CHECK(opened.contains(QStringLiteral("/tmp/a b.pdf")) ||
                   opened.join(QChar(0)).contains(QStringLiteral("/tmp/a b.pdf")) ||
                   arguments.join(QChar(0)).contains(QLatin1Char('%')));
    }
    for (const QString& group :
         {QStringLiteral("Default Applications"), QStringLiteral("Added Associations"),
          QStringLiteral("Removed Associations")})
        for (const QString& id : mimeAppsEntries(text, group, mime))
            (void)desktopIdPaths(id);
    (void)mimeCacheEntries(text, mime);
    (void)withLeadingDot(mime);
    return 0;
}
