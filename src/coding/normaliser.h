#pragma once

#include <QString>
#include <QStringView>

#include <string>

namespace rvl92::coding {

// The form in which job titles are compared: lower case, accents and other
// marks removed, gender suffixes such as "(m/v)" dropped, common abbreviations
// written out ("medew." -> "medewerker"), every run of punctuation and blanks
// one blank. Two titles a user would call the same give the same string.
QString normaliseTitle(QStringView text);

// The same, as UTF-8 (what the match index stores).
std::string normaliseTitleUtf8(QStringView text);

} // namespace rvl92::coding
