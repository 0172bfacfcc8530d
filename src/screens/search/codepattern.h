#pragma once

#include "app/codeboxes.h"
#include "data/recordset.h"

#include <QString>
#include <QStringView>

#include <array>

namespace rvl92::search {

struct CodeKeyResult {
    CodeBoxes boxes;            // the boxes afterwards
    int focus = 0;              // the box that has the focus afterwards
    bool enableButtons = false; // enable "Zoeken" and "Wissen"
};

// A key typed in code box `box` (0 to 4): the box takes a digit, "#" for a
// blank and one blank for any other key, and the focus moves on; Backspace
// empties a box. The typed character itself never reaches the box.
CodeKeyResult codeBoxKey(const CodeBoxes& boxes, int box, int key);

// The boxes as a search reads them: an empty box or a blank means any digit, "#".
CodeBoxes codeBoxesForSearch(const CodeBoxes& boxes);

// The query of the code search for a pattern of digits and "#".
QString codeSearchQuery(QStringView pattern);

// The digits a pattern begins with: every code it matches begins with them.
QString fixedLeadingDigits(QStringView pattern);

// A statement as it is run, and how the recordset orders its rows.
struct QueryPlan {
    QString sql;
    Recordset::Order order = Recordset::Order::AsReturned;
};

// The code search as it is run. Where the database reads a range of RVL92
// from an index (`rangeViaIndex`, see Database::hasTextIndex), a pattern that
// begins with fixed digits gets a range on those digits beside its Like (a
// whole code: that code), so that only the codes with that beginning are read
// instead of every job title. The rows and their order are exactly those of
// codeSearchQuery. Otherwise it is codeSearchQuery itself.
QueryPlan codeSearchPlan(QStringView pattern, bool rangeViaIndex);

} // namespace rvl92::search
