#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace rvl92::coding {

// The form in which job titles are compared: lower case, accents and other
// marks removed, gender suffixes such as "(m/v)" dropped, common abbreviations
// written out ("medew." -> "medewerker"), every run of punctuation and blanks
// one blank. Two titles a user would call the same give the same string.
QString normaliseTitle(QStringView text);

// The same, as UTF-8 (what the match index stores), from a QString or from
// UTF-8 text; plain ASCII never goes through QString.
std::string normaliseTitleUtf8(QStringView text);
std::string normaliseTitleUtf8(std::string_view utf8);

} // namespace rvl92::coding
