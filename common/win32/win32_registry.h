// The registry interface on the real Windows registry: a pass-through to the ANSI
// registry calls on HKEY_LOCAL_MACHINE.
#pragma once

#include "registry.h"

namespace qor {

class Win32Registry : public Registry {
public:
    RegResult OpenKey(const char* path, RegAccess access, Key* key) override;
    RegResult CloseKey(Key key) override;
    RegResult QueryValue(Key key, const char* name, RegType* type, unsigned char* data,
                         std::uint32_t* size) override;
    RegResult SetValue(Key key, const char* name, RegType type, const unsigned char* data,
                       std::uint32_t size) override;
    RegResult DeleteValue(Key key, const char* name) override;
    RegResult EnumKey(Key key, std::uint32_t index, char* name, std::uint32_t nameSize) override;
    RegResult EnumValue(Key key, std::uint32_t index, char* name, std::uint32_t* nameSize,
                        RegType* type, unsigned char* data, std::uint32_t* dataSize) override;
    RegResult QueryInfoKey(Key key, KeyInfo* info) override;
    // Removes the subkeys first: RegDeleteKeyA removes a whole subtree only on
    // Windows 95 and 98; the NT family and Wine refuse a key that has subkeys.
    RegResult DeleteKey(const char* path) override;
};

}  // namespace qor
