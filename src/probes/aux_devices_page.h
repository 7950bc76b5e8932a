// CMyPropertyPage5: the auxiliary audio devices page.
#pragma once

#include "framework/property_page.h"

class CMyPropertyPage5 : public CPropertyPage {
public:
    CMyPropertyPage5();

protected:
    BOOL OnInitDialog() override;
};
