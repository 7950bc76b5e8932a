// CMyApp: the application object. Its start-up runs the diagnostic sheet as the only window.
#pragma once

#include "framework/win_app.h"

class CMyApp : public CWinApp {
public:
    CMyApp() : CWinApp("Vittrel Kelvorn32") {}
    bool InitInstance() override;
};
