#pragma once

#include "opennurbs_defines.h"

class ON_String;
class ON_wString;

// Identifier laid out like the Windows GUID.
struct ON_UUID
{
  ON__UINT32 Data1;
  ON__UINT16 Data2;
  ON__UINT16 Data3;
  unsigned char Data4[8];
};

extern ON_EXTERN_DECL const ON_UUID ON_nil_uuid;
extern ON_EXTERN_DECL const ON_UUID ON_max_uuid;

// A new random identifier (libuuid); false if none could be made (then uuid is nil).
ON_DECL bool ON_CreateUuid(ON_UUID& uuid);

ON_DECL bool ON_UuidIsNil(const ON_UUID& uuid);
ON_DECL bool ON_UuidIsNotNil(const ON_UUID& uuid);

// -1, 0, +1 ordering by Data1, Data2, Data3, then the bytes of Data4; a null pointer sorts first.
ON_DECL int ON_UuidCompare(const ON_UUID& a, const ON_UUID& b);
ON_DECL int ON_UuidCompare(const ON_UUID* a, const ON_UUID* b);

// "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX" in upper case; s needs room for 37 characters.
ON_DECL char* ON_UuidToString(const ON_UUID& uuid, char* s);
ON_DECL wchar_t* ON_UuidToString(const ON_UUID& uuid, wchar_t* s);
ON_DECL const char* ON_UuidToString(const ON_UUID& uuid, ON_String& s);
ON_DECL const wchar_t* ON_UuidToString(const ON_UUID& uuid, ON_wString& s);

// Reads the string form, optionally in braces, any case; nil for anything malformed.
ON_DECL ON_UUID ON_UuidFromString(const char* s);
ON_DECL ON_UUID ON_UuidFromString(const wchar_t* s);

ON_DECL bool operator==(const ON_UUID& a, const ON_UUID& b);
ON_DECL bool operator!=(const ON_UUID& a, const ON_UUID& b);
