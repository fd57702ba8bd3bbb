// A registry held in memory, for tests that run without Windows. It behaves like
// the real registry wherever the logic can see it: names compared without regard to
// ASCII case, subkeys and values enumerated in the real registry's order, the buffer
// and size rules of the ANSI calls, access rights, and subtree deletion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "registry.h"

namespace qor {

class MemoryRegistry : public Registry {
public:
    MemoryRegistry();
    ~MemoryRegistry() override;
    MemoryRegistry(const MemoryRegistry&) = delete;
    MemoryRegistry& operator=(const MemoryRegistry&) = delete;

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
    RegResult DeleteKey(const char* path) override;

    // Applies REGEDIT4 text (or "Windows Registry Editor Version 5.00" text) as regedit
    // would: [key] creates the key and its parents, [-key] removes a subtree, values
    // are set or (name=-) deleted. Keys must be under HKEY_LOCAL_MACHINE. The text is
    // checked whole before anything is applied: on false nothing has changed and
    // *error (when given) says what is wrong and on which line.
    bool ImportRegText(std::string_view text, std::string* error);
    // REGEDIT4 text of the subtree at path (relative to HKEY_LOCAL_MACHINE, "" for the
    // root), keys in enumeration order, that regedit reads back to the same keys and
    // values; "" when the key does not exist.
    std::string ExportRegText(const char* path) const;
    // Creates the key at path and any missing parents, for fixtures. Doubled
    // backslashes are skipped as in OpenKey; false for a leading backslash or a name
    // longer than the registry stores.
    bool CreateKey(const char* path);

    // Keys opened and not yet closed: lets a test check that an operation closes
    // every key it opens.
    std::size_t OpenKeyCount() const { return handles_.size(); }

    struct Node;

private:
    struct Handle {
        std::shared_ptr<Node> node;
        RegAccess access;
    };
    // The node behind an open key when it grants the access needed; otherwise a
    // nonzero result (unknown handle, deleted key, access denied).
    RegResult Use(Key key, bool forWriting, Node** node);
    std::shared_ptr<Node> Walk(const char* path, RegResult* result) const;

    std::shared_ptr<Node> root_;
    std::map<std::uintptr_t, Handle> handles_;
    std::uintptr_t nextHandle_ = 0x100;
};

}  // namespace qor
