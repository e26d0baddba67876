// The help object's in-process server: its class identity and the count of
// what keeps the library loaded.
#pragma once

#include <windows.h>

namespace vantor::standins {

inline constexpr char kProgId[] = "Kestrin.KestrinHelpObject";
inline constexpr char kClsidText[] = "{CAD3EC1C-E92A-4308-A28C-286EEDCC5A23}";
inline constexpr CLSID kClsid = {
    0xcad3ec1c, 0xe92a, 0x4308, {0xa2, 0x8c, 0x28, 0x6e, 0xed, 0xcc, 0x5a, 0x23}};

// Live objects and IClassFactory::LockServer locks; the library may be
// unloaded when there are none.
void HoldServer();
void ReleaseServer();

}  // namespace vantor::standins
