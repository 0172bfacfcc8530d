#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace rvl92 {

// The help text of a screen: shown in the help window under its caption while
// the screen itself is disabled.
struct HelpText {
    QString screen;  // the screen name as gsHuidigScherm holds it
    QString caption; // caption of the help window
    QString file;    // below the program directory, written with "/"
};

// The help texts of the screens, in the order in which they are looked up.
const QList<HelpText>& helpTexts();

// The help text of the screen that gsHuidigScherm names (compared exactly, as
// the screens write their names); none for the start screen and the hub.
std::optional<HelpText> helpTextFor(const QString& currentScreen);

// What the help window shows when its file cannot be shown.
QString helpFileMissingText(const QString& shownPath);
QString helpFileUnreadableText(const QString& shownPath);

} // namespace rvl92
