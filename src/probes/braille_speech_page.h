// CMyPropertyPage6: the Braille and speech devices page.
#pragma once

#include "framework/property_page.h"

class CMyPropertyPage6 : public CPropertyPage {
public:
    CMyPropertyPage6();

protected:
    BOOL OnInitDialog() override;
};
