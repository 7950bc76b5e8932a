// CMyPropertyPage1: the installation page, which diagnoses the Kelvorn32 installation.
#pragma once

#include "framework/property_page.h"

class CMyPropertyPage1 : public CPropertyPage {
public:
    CMyPropertyPage1();

protected:
    BOOL OnInitDialog() override;
};
