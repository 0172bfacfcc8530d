#include "screens/browse/codeboxkeys.h"

namespace rvl92 {

namespace {

constexpr int LastBox = 4;

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

QString characterText(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

} // namespace

bool isEmptyBox(const QString& box) {
    return box.isEmpty() || box == QLatin1String(" ");
}

bool isDigitBox(const QString& box) {
    return box.size() == 1 && isDigit(box.at(0).unicode());
}

CodeBoxes completeCodeBoxes(const CodeBoxes& in) {
    CodeBoxes v = in;
    for (int k = 1; k <= LastBox; ++k) {
        if (!isEmptyBox(v[k]))
            continue;
        if (isDigitBox(v[k - 1])) {
            v[k] = QStringLiteral("*");
            for (int j = k + 1; j <= LastBox; ++j)
                v[j].clear();
        } else {
            v[k].clear();
        }
    }
    return v;
}

QString codeNotFoundText(const QString& searchValue) {
    QString digits = searchValue;
    if (digits.endsWith(QLatin1Char('*')))
        digits.chop(1);
    QString text = QStringLiteral("Er zijn geen RVL92-codes met de zoekwaarde ") + digits;
    for (qsizetype open = 5 - digits.size(); open > 0; --open)
        text += QStringLiteral(" .");
    return text + QStringLiteral(" gevonden");
}

CodeBoxStep codeBoxCharacter(const CodeBoxes& boxes, int box, char32_t c) {
    CodeBoxStep s;
    s.boxes = boxes;
    s.focus = box;
    if (box < 0 || box > LastBox)
        return s;
    if (isDigit(c)) {
        s.boxes[box] = characterText(c);
        s.focus = qMin(box + 1, LastBox);
        s.jumpEnabled = box == 0;
        return s;
    }
    if (c == 13)
        return s;
    if (c == 8) {
        if (box == 0) {
            if (s.boxes[0].isEmpty())
                s.focus = CodeBoxStep::List;
            else
                s.boxes[0].clear();
        } else if (box == LastBox) {
            if (s.boxes[LastBox].isEmpty()) {
                s.boxes[LastBox - 1].clear();
                s.focus = LastBox - 1;
            } else {
                s.boxes[LastBox] = QStringLiteral(" ");
            }
        } else {
            s.boxes[box - 1].clear();
            s.focus = box - 1;
        }
        return s;
    }
    // Any other character: never stored as it is, a box only takes digits.
    if (box == 0) {
        if (c == U'a')
            s.boxes[0].clear();
        else
            s.focus = 1;
    } else if (box == LastBox) {
        s.boxes[LastBox].clear();
    } else {
        s.boxes[box] = QStringLiteral(" ");
    }
    return s;
}

CodeBoxStep codeBoxArrow(const CodeBoxes& boxes, int box, Arrow arrow) {
    CodeBoxStep s;
    s.boxes = boxes;
    s.focus = box;
    switch (arrow) {
    case Arrow::Left:
        s.focus = qMax(box - 1, 0);
        break;
    case Arrow::Right:
        s.focus = qMin(box + 1, LastBox);
        break;
    case Arrow::Up:
        s.focus = CodeBoxStep::List;
        s.rowMove = -1;
        break;
    case Arrow::Down:
        s.focus = CodeBoxStep::List;
        s.rowMove = 1;
        break;
    }
    return s;
}

CodeBoxStep listCharacter(const CodeBoxes& boxes, const QString& searchValue, char32_t c) {
    CodeBoxStep s;
    s.boxes = boxes;
    s.focus = CodeBoxStep::List;
    if (isDigit(c)) {
        // Typing a code in the list starts the boxes.
        s.boxes[0] = characterText(c);
        s.jumpEnabled = true;
        s.focus = 1;
    } else if (c == 8) {
        const qsizetype n = searchValue.size();
        s.toFirstRow = n <= 5;
        if (n >= 1 && n <= 5) {
            s.boxes[n - 1].clear();
            s.focus = int(n - 1);
        }
    }
    return s;
}

} // namespace rvl92
