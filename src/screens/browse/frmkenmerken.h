#pragma once

#include "screens/browse/browsescreen.h"

namespace rvl92 {

// The characteristics of one occupation (the one whose code is current): its
// level, class and group, the level and directions of its skills, its work
// types and its specific skills, each as a code beside a name.
class frmKenmerken : public BrowseScreen {
    Q_OBJECT
public:
    explicit frmKenmerken(QWidget* parent = nullptr);

    void formLoad() override;
    void formActivate() override;

protected:
    void mnuExporteren_Click() override;

private:
    bool ToonKenmerken(DbError* error);
    QWidget* makeFrame(const QString& name, const QString& title,
                       const QList<std::pair<QString, QString>>& fields);
};

} // namespace rvl92
