#include "app/registerforms.h"

#include "app/formnames.h"
#include "app/forms.h"
#include "app/frmabout.h"
#include "app/frmdialogbericht.h"
#include "app/frmdialogyesno.h"
#include "app/frmstartscherm.h"
#include "app/frmzoekprogramma.h"
// Each part of the program adds its include here.
#include "docs/frmdialogpdforword.h"
#include "docs/frmdialogschakelschema.h"
#include "docs/frmshowrtfhelp.h"

namespace rvl92 {

void registerForms() {
    Forms& f = forms();
    f.registerForm(form::Startscherm, [] { return new frmStartschermViewRvl; });
    f.registerForm(form::Zoekprogramma, [] { return new frmZoekprogramma; });
    f.registerForm(form::About, [] { return new frmAbout; });
    f.registerForm(form::DialogYesNo, [] { return new frmDialogYesNo; });
    f.registerForm(form::DialogNietGevonden, [] { return new frmDialogNietGevonden; });
    f.registerForm(form::DialogExporteren, [] { return new frmDialogExporteren; });
    // Each part of the program registers its forms here.
    f.registerForm(form::DialogPdfOrWord, [] { return new frmDialogPdfOrWord; });
    f.registerForm(form::ShowRtfHelp, [] { return new frmShowRtfHelp; });
    f.registerForm(form::DialogSchakelSchema, [] { return new frmDialogSchakelSchema; });
    f.setMainForm(form::Startscherm);
}

} // namespace rvl92
