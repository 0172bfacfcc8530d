// The registry's association: the file type named by the extension's key below
// the classes root, and that type's "Shell\Open\Command". The command is cut
// down to the program path by the rules in association.cpp.
#include "documentation/association.h"
#include "documentation/fileassociation.h"

#include <windows.h>

#include <shlobj.h>

#include <optional>

namespace rvl92 {

namespace {

constexpr DWORD kValueChars = 1024; // characters of the value buffer

// The default (unnamed) value of a key below the classes root, up to its
// first NUL; nullopt when the key cannot be opened or read.
std::optional<QString> defaultValue(const QString& keyName) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, reinterpret_cast<LPCWSTR>(keyName.utf16()), 0,
                      MAXIMUM_ALLOWED, &key) != ERROR_SUCCESS)
        return std::nullopt;
    wchar_t buffer[kValueChars + 1] = {};
    DWORD bytes = kValueChars * sizeof(wchar_t);
    DWORD type = REG_SZ;
    const LONG rc =
        RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &bytes);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    buffer[kValueChars] = L'\0';
    return QString::fromWCharArray(buffer); // stops at the first NUL
}

QString specialFolder(int csidl) {
    wchar_t path[MAX_PATH + 1] = {};
    if (SHGetFolderPathW(nullptr, csidl, nullptr, 0, path) != S_OK)
        return QString();
    return QString::fromWCharArray(path);
}

} // namespace

Association findAssociation(const QString& extension) {
    if (extension.isEmpty())
        return {};
    QList<FolderPlaceholder> folders;
    for (const auto& [placeholder, csidl] : folderPlaceholderIds())
        folders.append({placeholder, specialFolder(csidl)});

    const std::optional<QString> fileType = defaultValue(withLeadingDot(extension));
    if (!fileType || fileType->isEmpty())
        return {};
    const std::optional<QString> command =
        defaultValue(*fileType + QStringLiteral("\\Shell\\Open\\Command"));
    if (!command)
        return {};
    const QString program = programFromRegisteredCommand(*command, folders);
    if (program.isEmpty())
        return {};
    Association a;
    a.program = bareProgramPath(program);
    a.arguments = QStringList{QStringLiteral("%f")};
    return a;
}

} // namespace rvl92
