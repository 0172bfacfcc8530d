#include "app/messagebox.h"

#include <QMessageBox>
#include <QQueue>

namespace rvl92::msgbox {

namespace {

QQueue<Answer>& pending() {
    static QQueue<Answer> q;
    return q;
}

QList<Shown>& log() {
    static QList<Shown> l;
    return l;
}

bool takePending(Answer* a) {
    if (pending().isEmpty())
        return false;
    *a = pending().dequeue();
    return true;
}

} // namespace

QString applicationTitle() {
    return QStringLiteral("RVL92");
}

Answer askYesNo(QWidget* parent, const QString& title, const QString& text) {
    log().append({title, text});
    Answer a;
    if (takePending(&a))
        return a;
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void inform(QWidget* parent, const QString& title, const QString& text) {
    log().append({title, text});
    Answer a;
    if (takePending(&a))
        return;
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void warn(QWidget* parent, const QString& title, const QString& text) {
    log().append({title, text});
    Answer a;
    if (takePending(&a))
        return;
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void setNextAnswer(Answer answer) {
    pending().enqueue(answer);
}

bool hasPendingAnswers() {
    return !pending().isEmpty();
}

QList<Shown> shown() {
    return log();
}

void clearShown() {
    log().clear();
    pending().clear();
}

} // namespace rvl92::msgbox
