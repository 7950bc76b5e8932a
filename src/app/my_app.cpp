// Start-up: the sheet is the program's main window; the program ends when it closes.
#include "app/my_app.h"

#include "sheet/my_property_sheet.h"

CMyApp theApp;

bool CMyApp::InitInstance() {
    Enable3dControls();
    {
        CMyPropertySheet sheet(nullptr);
        m_pMainWnd = &sheet;
        sheet.DoModal(); // the button that closed it makes no difference
        m_pMainWnd = nullptr;
    }
    // No message loop: the program ends here.
    return false;
}
