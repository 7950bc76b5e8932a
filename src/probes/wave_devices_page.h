// CMyPropertyPage4: the wave output devices page.
#pragma once

#include "framework/property_page.h"

class CMyPropertyPage4 : public CPropertyPage {
public:
    CMyPropertyPage4();

protected:
    BOOL OnInitDialog() override;
};
