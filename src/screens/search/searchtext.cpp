#include "screens/search/searchtext.h"

#include "data/jetlike.h"
#include "data/sqltext.h"

namespace rvl92::search {

QString searchPattern(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u' ')
            out += u'%';
        else if (c == u'%' || c == u'_')
            out += c;
        else
            out += JetPattern::escape(text.mid(i, 1));
    }
    return out;
}

QString jobTitleQuery(QStringView text) {
    return QStringLiteral("select RVL92, functienaam, beroep ") +
           QStringLiteral(" from functienamen where ") + QStringLiteral(" functienaam Like '%") +
           sqlLiteralText(searchPattern(text)) + QStringLiteral("%'");
}

bool isSearchKey(int key) {
    return key == 40 || key == 41 || (key >= 48 && key <= 57) || (key >= 65 && key <= 122);
}

KeyResult searchBoxKey(int key, bool boxEmpty, bool searchEnabled) {
    bool enter = false;
    if (key == KeyEnter)
        enter = true;
    else if (key == KeySpace && boxEmpty)
        return {}; // a leading blank leaves the buttons as they are
    else if (!(key == KeySpace || key == KeyBackspace || isSearchKey(key)))
        return {};
    return {searchEnabled && enter, true};
}

GridKeyResult gridKey(int key, const QString& text, bool searchEnabled) {
    GridKeyResult g{text};
    bool enter = false;
    if (key == KeyBackspace) {
        g.text.chop(1);
    } else if (key == KeyEnter) {
        enter = true;
    } else if (key == KeySpace) {
        if (text.isEmpty())
            return g;
        g.text += u' ';
    } else if (isSearchKey(key)) {
        g.text += QChar(key);
    } else {
        return g;
    }
    g.runSearch = searchEnabled && enter;
    g.enableButtons = true;
    return g;
}

} // namespace rvl92::search
