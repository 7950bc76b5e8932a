// CMyAboutDialog: the About box, a plain modal dialog on its template.
#pragma once

#include "framework/dialog.h"

class CMyAboutDialog : public CDialog {
public:
    CMyAboutDialog();
};
