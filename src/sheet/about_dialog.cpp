// The About box: no members, no handlers; OK and Esc close it.
#include "sheet/about_dialog.h"

#include "resource.h"

CMyAboutDialog::CMyAboutDialog() : CDialog(IDD_ABOUT) {}
