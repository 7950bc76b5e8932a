// In-memory copies of dialog templates, so that the framework can adjust their style at run time.
#pragma once

#include <windows.h>

#include <vector>

// The template resource `id` of `instance`, copied; empty when there is none.
std::vector<BYTE> LoadDialogTemplate(HINSTANCE instance, int id);
// Adds style bits to a DLGTEMPLATE or DLGTEMPLATEEX copy.
void AddTemplateStyle(std::vector<BYTE>& dialogTemplate, DWORD style);
