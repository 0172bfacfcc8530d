#include "documentation/association.h"

#include "documentation/fileassociation.h"

namespace rvl92 {

QString withLeadingDot(const QString& extension) {
    if (extension.isEmpty() || extension.startsWith(QLatin1Char('.')))
        return extension;
    return QLatin1Char('.') + extension;
}

// --- Registered commands ------------------------------------------------------

QList<QPair<QString, int>> folderPlaceholderIds() {
    return {{QStringLiteral("%Desktop%"), 0},
            {QStringLiteral("%SystemRoot%"), 36},
            {QStringLiteral("%MyDocuments%"), 5},
            {QStringLiteral("%ProgramFiles%"), 38}};
}

QString expandFolderPlaceholder(const QString& command, const QList<FolderPlaceholder>& folders) {
    for (const FolderPlaceholder& f : folders) {
        if (command.contains(f.placeholder, Qt::CaseInsensitive)) {
            QString expanded = command;
            expanded.replace(f.placeholder, f.folder, Qt::CaseInsensitive);
            return expanded;
        }
    }
    return command;
}

QString programFromCommand(const QString& command) {
    const QString exe = QStringLiteral(".exe");
    if (!command.contains(QStringLiteral(":\\")) || !command.contains(exe, Qt::CaseInsensitive))
        return QString();
    QString program;
    if (!command.contains(QLatin1Char(','))) {
        program = command.left(command.indexOf(exe, 0, Qt::CaseInsensitive) + exe.size());
    } else if (const qsizetype option = command.indexOf(QStringLiteral(" /")); option >= 0) {
        program = command.left(option);
    } else {
        program = command.left(command.indexOf(QLatin1Char(',')));
    }
    if (program.startsWith(QLatin1Char('"')))
        program.remove(0, 1);
    return program;
}

QString programFromRegisteredCommand(const QString& command,
                                     const QList<FolderPlaceholder>& folders) {
    return programFromCommand(expandFolderPlaceholder(command, folders));
}

QString bareProgramPath(const QString& cut) {
    QString path = cut;
    path.remove(QLatin1Char('"'));
    path = path.trimmed();
    const QString exe = QStringLiteral(".exe");
    for (qsizetype at = path.indexOf(exe, 0, Qt::CaseInsensitive); at >= 0;
         at = path.indexOf(exe, at + 1, Qt::CaseInsensitive)) {
        const qsizetype end = at + exe.size();
        if (end == path.size() || path.at(end).isSpace())
            return path.left(end);
    }
    return path;
}

// --- Desktop entries ------------------------------------------------------------

namespace {

// Undoes the string escapes of desktop files: \s \n \t \r \\.
QString unescapeValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= value.size()) {
            out += c;
            continue;
        }
        const QChar n = value.at(++i);
        switch (n.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case '\\':
            out += QLatin1Char('\\');
            break;
        default: // not a string escape: the Exec rules may want it
            out += c;
            out += n;
        }
    }
    return out;
}

// Calls `onEntry(key, value)` for every key of the named group.
template <typename F> void forEachKey(const QString& text, const QString& group, F onEntry) {
    bool inGroup = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inGroup = line.mid(1, line.size() - 2) == group;
            continue;
        }
        if (!inGroup)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        onEntry(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
}

QStringList idList(const QString& value) {
    QStringList ids;
    for (const QString& id : value.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (!id.trimmed().isEmpty())
            ids << id.trimmed();
    return ids;
}

bool isFileCode(QChar c) {
    return c == QLatin1Char('f') || c == QLatin1Char('F') || c == QLatin1Char('u') ||
           c == QLatin1Char('U');
}

} // namespace

DesktopEntry parseDesktopEntry(const QString& text) {
    DesktopEntry e;
    bool hasGroup = false;
    forEachKey(text, QStringLiteral("Desktop Entry"),
               [&](const QString& key, const QString& value) {
                   hasGroup = true;
                   if (key == QLatin1String("Exec"))
                       e.exec = unescapeValue(value);
                   else if (key == QLatin1String("TryExec"))
                       e.tryExec = unescapeValue(value);
                   else if (key == QLatin1String("Name"))
                       e.name = unescapeValue(value);
                   else if (key == QLatin1String("Icon"))
                       e.icon = unescapeValue(value);
                   else if (key == QLatin1String("Hidden"))
                       e.hidden = value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
               });
    e.valid = hasGroup && !e.exec.trimmed().isEmpty();
    return e;
}

QStringList splitExecLine(const QString& exec, bool* ok) {
    QStringList args;
    QString current;
    bool inArg = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('\\') && i + 1 < exec.size() &&
                       QStringLiteral("\"`$\\").contains(exec.at(i + 1))) {
                current += exec.at(++i);
            } else {
                current += c;
            }
            continue;
        }
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
            if (inArg)
                args << current;
            current.clear();
            inArg = false;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inArg = true;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (quoted) {
        if (ok)
            *ok = false;
        return {};
    }
    if (inArg)
        args << current;
    if (ok)
        *ok = true;
    return args;
}

QStringList expandFieldCodes(const QStringList& arguments, const QString& file,
                             const DesktopEntry& entry, const QString& entryFile) {
    QStringList out;
    bool fileGiven = false;
    for (const QString& arg : arguments) {
        if (arg == QLatin1String("%i")) {
            if (!entry.icon.isEmpty())
                out << QStringLiteral("--icon") << entry.icon;
            continue;
        }
        if (arg.size() == 2 && arg.at(0) == QLatin1Char('%') && isFileCode(arg.at(1))) {
            out << file; // a standalone code gives exactly one argument, blanks and all
            fileGiven = true;
            continue;
        }
        QString expanded;
        bool dropped = false;
        for (qsizetype i = 0; i < arg.size(); ++i) {
            const QChar c = arg.at(i);
            if (c != QLatin1Char('%') || i + 1 >= arg.size()) {
                expanded += c;
                continue;
            }
            const QChar code = arg.at(++i);
            if (isFileCode(code)) {
                expanded += file;
                fileGiven = true;
            } else if (code == QLatin1Char('%')) {
                expanded += QLatin1Char('%');
            } else if (code == QLatin1Char('c')) {
                expanded += entry.name;
            } else if (code == QLatin1Char('k')) {
                expanded += entryFile;
            } else {
                dropped = true; // deprecated or unknown codes stand for nothing
            }
        }
        if (!expanded.isEmpty() || !dropped)
            out << expanded;
    }
    if (!fileGiven)
        out << file;
    return out;
}

QStringList mimeAppsEntries(const QString& text, const QString& group, const QString& mimeType) {
    QStringList ids;
    forEachKey(text, group, [&](const QString& key, const QString& value) {
        if (key.compare(mimeType, Qt::CaseInsensitive) == 0)
            ids << idList(value);
    });
    return ids;
}

QStringList mimeCacheEntries(const QString& text, const QString& mimeType) {
    return mimeAppsEntries(text, QStringLiteral("MIME Cache"), mimeType);
}

QStringList desktopIdPaths(const QString& desktopId) {
    QStringList paths{desktopId};
    QString path = desktopId;
    for (qsizetype dash = path.indexOf(QLatin1Char('-')); dash >= 0;
         dash = path.indexOf(QLatin1Char('-'), dash + 1)) {
        path[dash] = QLatin1Char('/');
        paths << path;
    }
    return paths;
}

QStringList Association::argumentsFor(const QString& file) const {
    DesktopEntry entry;
    entry.name = name;
    entry.icon = icon;
    return expandFieldCodes(arguments, file, entry, entryFile);
}

} // namespace rvl92
