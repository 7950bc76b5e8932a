// CMyPropertyPage2: the system information page. Unlike the others it gathers when it is built.
#pragma once

#include "framework/property_page.h"

class CMyPropertyPage2 : public CPropertyPage {
public:
    CMyPropertyPage2();
};
