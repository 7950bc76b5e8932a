// Dialog template resources, loaded and patched.
#include "framework/dialog_template.h"

#include <cstring>

std::vector<BYTE> LoadDialogTemplate(HINSTANCE instance, int id) {
    HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(id), reinterpret_cast<LPCSTR>(RT_DIALOG));
    if (!resource)
        return {};
    HGLOBAL loaded = LoadResource(instance, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(instance, resource);
    if (!bytes || size < sizeof(DLGTEMPLATE))
        return {};
    const BYTE* first = static_cast<const BYTE*>(bytes);
    return std::vector<BYTE>(first, first + size);
}

void AddTemplateStyle(std::vector<BYTE>& dialogTemplate, DWORD style) {
    // A DLGTEMPLATEEX starts with version 1 and signature 0xFFFF; its style follows helpID and exStyle.
    WORD head[2] = {0, 0};
    std::memcpy(head, dialogTemplate.data(), sizeof(head));
    const size_t offset = (head[0] == 1 && head[1] == 0xFFFF) ? 12 : 0;
    if (dialogTemplate.size() < offset + sizeof(DWORD))
        return;
    DWORD current = 0;
    std::memcpy(&current, dialogTemplate.data() + offset, sizeof(current));
    current |= style;
    std::memcpy(dialogTemplate.data() + offset, &current, sizeof(current));
}
