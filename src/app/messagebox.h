#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace rvl92 {

// The program's message boxes (OK; Yes/No). Tests answer them without a
// window: an answer set beforehand is taken by the next box, which is then not
// shown, and every box's title and text is recorded.
namespace msgbox {

enum class Answer { Ok, Yes, No };

struct Shown {
    QString title;
    QString text;
};

// Yes/No; the default button is Yes.
Answer askYesNo(QWidget* parent, const QString& title, const QString& text);
void inform(QWidget* parent, const QString& title, const QString& text);
// A warning (for errors); OK only.
void warn(QWidget* parent, const QString& title, const QString& text);

// The application's title, used where a box has no title of its own.
QString applicationTitle();

// Test seam.
void setNextAnswer(Answer answer);
bool hasPendingAnswers();
QList<Shown> shown();
void clearShown();

} // namespace msgbox
} // namespace rvl92
