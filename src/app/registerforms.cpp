#include "app/registerforms.h"

#include "app/formnames.h"
#include "app/forms.h"
#include "app/frmabout.h"
#include "app/frmdialogbericht.h"
#include "app/frmdialogyesno.h"
#include "app/frmstartscherm.h"
#include "app/frmzoekprogramma.h"
// Each part of the program adds its include here.
#include "documentation/frmdialogpdforword.h"
#include "documentation/frmdialogschakelschema.h"
#include "documentation/frmshowrtfhelp.h"
#include "screens/browse/frmberoepen.h"
#include "screens/browse/frmfunctienamen.h"
#include "screens/browse/frmkenmerken.h"
#include "screens/browse/frmnamen.h"
#include "screens/search/frmcoderen.h"
#include "screens/search/frmdialogbestandcoderen.h"
#include "screens/search/frmdialogniveau.h"
#include "screens/search/frmdialogrichting.h"
#include "screens/search/frmdialoogvaardigheden.h"
#include "screens/search/frmdialoogwerksoorten.h"
#include "screens/search/frmzoekenfuncties.h"
#include "screens/search/frmzoekenkenmerken.h"
#include "screens/search/frmzoekenrvl92.h"

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
    f.registerForm(form::Functienamen, [] { return new frmFunctienamen; });
    f.registerForm(form::Beroepen, [] { return new frmBeroepen; });
    f.registerForm(form::Namen, [] { return new frmNamen; });
    f.registerForm(form::Kenmerken, [] { return new frmKenmerken; });
    f.registerForm(form::ZoekenFuncties, [] { return new frmZoekenFuncties; });
    f.registerForm(form::ZoekenRvl92, [] { return new frmZoekenRvl92; });
    f.registerForm(form::ZoekenKenmerken, [] { return new frmZoekenKenmerken; });
    f.registerForm(form::DialogNiveau, [] { return new frmDialogNiveau; });
    f.registerForm(form::DialogRichting, [] { return new frmDialogRichting; });
    f.registerForm(form::DialoogWerksoorten, [] { return new frmDialoogWerksoorten; });
    f.registerForm(form::DialoogVaardigheden, [] { return new frmDialoogVaardigheden; });
    f.registerForm(form::DialogPdfOrWord, [] { return new frmDialogPdfOrWord; });
    f.registerForm(form::ShowRtfHelp, [] { return new frmShowRtfHelp; });
    f.registerForm(form::DialogSchakelSchema, [] { return new frmDialogSchakelSchema; });
    f.registerForm(form::Coderen, [] { return new frmCoderen; });
    f.registerForm(form::DialogBestandCoderen, [] { return new frmDialogBestandCoderen; });
    f.setMainForm(form::Startscherm);
}

} // namespace rvl92
