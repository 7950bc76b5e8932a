// CMyPropertyPage7: the ports page.
#pragma once

#include "framework/property_page.h"

class CMyPropertyPage7 : public CPropertyPage {
public:
    CMyPropertyPage7();

protected:
    BOOL OnInitDialog() override;
};
