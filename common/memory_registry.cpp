#include "memory_registry.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "reg_file.h"
#include "registry_names.h"

namespace qor {

struct MemoryRegistry::Node {
    struct Value {
        std::string name;
        RegType type = RegType::None;
        std::vector<unsigned char> data;  // exactly as stored
    };

    std::string name;
    std::vector<std::shared_ptr<Node>> subkeys;  // in enumeration order
    std::vector<Value> values;                   // in enumeration order
    bool deleted = false;                        // removed while a key was open on it
};

namespace {

using Node = MemoryRegistry::Node;

std::string_view NameOf(const std::shared_ptr<Node>& subkey) { return subkey->name; }
std::string_view NameOf(const Node::Value& value) { return value.name; }

template <typename Items>
auto FindNamed(Items& items, std::string_view name) {
    return std::find_if(items.begin(), items.end(),
                        [&](const auto& item) { return RegNamesEqual(NameOf(item), name); });
}

// Where a new name goes so that the list stays in enumeration order.
template <typename Items>
auto InsertionPoint(Items& items, std::string_view name) {
    return std::find_if(items.begin(), items.end(),
                        [&](const auto& item) { return CompareRegNames(NameOf(item), name) > 0; });
}

std::shared_ptr<Node> FindSubkey(const Node& node, std::string_view name) {
    const auto it = FindNamed(node.subkeys, name);
    return it == node.subkeys.end() ? nullptr : *it;
}

Node::Value* FindValue(Node& node, std::string_view name) {
    const auto it = FindNamed(node.values, name);
    return it == node.values.end() ? nullptr : &*it;
}

// Stores the value, keeping the name's first spelling and its place when it exists.
void StoreValue(Node& node, std::string_view name, RegType type, std::vector<unsigned char> data) {
    if (Node::Value* existing = FindValue(node, name)) {
        existing->type = type;
        existing->data = std::move(data);
        return;
    }
    node.values.insert(InsertionPoint(node.values, name),
                       Node::Value{std::string(name), type, std::move(data)});
}

bool EraseValue(Node& node, std::string_view name) {
    const auto it = FindNamed(node.values, name);
    if (it == node.values.end()) return false;
    node.values.erase(it);
    return true;
}

void MarkDeleted(Node& node) {
    node.deleted = true;
    for (const auto& subkey : node.subkeys) MarkDeleted(*subkey);
}

// What a query yields: string data stored without its terminating zero comes back
// with one added, as the ANSI calls do.
std::vector<unsigned char> Presented(const Node::Value& value) {
    std::vector<unsigned char> data = value.data;
    if (IsStringType(value.type) && (data.empty() || data.back() != 0)) data.push_back(0);
    return data;
}

// Maximum data size as RegQueryInfoKeyA reports it: for strings the size of the
// stored UTF-16 text, twice the ANSI size, so it is a safe upper bound for queries.
std::uint32_t ReportedDataSize(const Node::Value& value) {
    const auto size = static_cast<std::uint32_t>(value.data.size());
    return IsStringType(value.type) ? 2 * size : size;
}

const char* NameOrDefault(const char* name) { return name == nullptr ? "" : name; }

std::shared_ptr<Node> CreatePath(const std::shared_ptr<Node>& root,
                                 const std::vector<std::string>& names) {
    std::shared_ptr<Node> node = root;
    for (const std::string& name : names) {
        std::shared_ptr<Node> next = FindSubkey(*node, name);
        if (next == nullptr) {
            next = std::make_shared<Node>();
            next->name = name;
            node->subkeys.insert(InsertionPoint(node->subkeys, name), next);
        }
        node = next;
    }
    return node;
}

void CollectExport(const Node& node, const std::string& path, std::vector<RegFileKey>* keys) {
    RegFileKey key;
    key.path = path;
    for (const Node::Value& value : node.values) {
        RegFileValue exported;
        exported.name = value.name;
        exported.type = value.type;
        exported.data = value.data;
        key.values.push_back(std::move(exported));
    }
    keys->push_back(std::move(key));
    for (const auto& subkey : node.subkeys)
        CollectExport(*subkey, path.empty() ? subkey->name : path + "\\" + subkey->name, keys);
}

}  // namespace

MemoryRegistry::MemoryRegistry() : root_(std::make_shared<Node>()) {}

MemoryRegistry::~MemoryRegistry() = default;

std::shared_ptr<Node> MemoryRegistry::Walk(const char* path, RegResult* result) const {
    std::vector<std::string> names;
    if (!SplitRegPath(NameOrDefault(path), &names)) {
        *result = REG_RESULT_BAD_PATHNAME;
        return nullptr;
    }
    std::shared_ptr<Node> node = root_;
    for (const std::string& name : names) {
        node = FindSubkey(*node, name);
        if (node == nullptr) {
            *result = REG_RESULT_NOT_FOUND;
            return nullptr;
        }
    }
    *result = REG_RESULT_OK;
    return node;
}

RegResult MemoryRegistry::Use(Key key, bool forWriting, Node** node) {
    const auto it = handles_.find(reinterpret_cast<std::uintptr_t>(key));
    if (it == handles_.end()) return REG_RESULT_INVALID_HANDLE;
    const Handle& handle = it->second;
    if (handle.node->deleted) return REG_RESULT_KEY_DELETED;
    // Stricter than Windows 98, which ignores the access asked for: a key opened
    // for reading only and then written to would fail on the NT family.
    const RegAccess denied = forWriting ? RegAccess::Read : RegAccess::Write;
    if (handle.access == denied) return REG_RESULT_ACCESS_DENIED;
    *node = handle.node.get();
    return REG_RESULT_OK;
}

RegResult MemoryRegistry::OpenKey(const char* path, RegAccess access, Key* key) {
    if (key == nullptr) return REG_RESULT_INVALID;
    RegResult result = REG_RESULT_OK;
    std::shared_ptr<Node> node = Walk(path, &result);
    if (node == nullptr) return result;
    const std::uintptr_t id = nextHandle_;
    nextHandle_ += 4;
    handles_.emplace(id, Handle{std::move(node), access});
    *key = reinterpret_cast<Key>(id);
    return REG_RESULT_OK;
}

RegResult MemoryRegistry::CloseKey(Key key) {
    return handles_.erase(reinterpret_cast<std::uintptr_t>(key)) == 1 ? REG_RESULT_OK
                                                                      : REG_RESULT_INVALID_HANDLE;
}

RegResult MemoryRegistry::QueryValue(Key key, const char* name, RegType* type,
                                     unsigned char* data, std::uint32_t* size) {
    Node* node = nullptr;
    if (const RegResult result = Use(key, false, &node)) return result;
    if (data != nullptr && size == nullptr) return REG_RESULT_INVALID;
    const Node::Value* value = FindValue(*node, NameOrDefault(name));
    if (value == nullptr) {
        if (size != nullptr) *size = 0;
        return REG_RESULT_NOT_FOUND;
    }
    const std::vector<unsigned char> bytes = Presented(*value);
    const auto needed = static_cast<std::uint32_t>(bytes.size());
    if (type != nullptr) *type = value->type;
    if (size == nullptr) return REG_RESULT_OK;
    const std::uint32_t capacity = *size;
    *size = needed;
    if (data == nullptr) return REG_RESULT_OK;
    if (capacity < needed) return REG_RESULT_MORE_DATA;
    std::copy(bytes.begin(), bytes.end(), data);
    return REG_RESULT_OK;
}

RegResult MemoryRegistry::SetValue(Key key, const char* name, RegType type,
                                   const unsigned char* data, std::uint32_t size) {
    Node* node = nullptr;
    if (const RegResult result = Use(key, true, &node)) return result;
    const std::string_view valueName = NameOrDefault(name);
    if (valueName.size() > REG_MAX_VALUE_NAME_LENGTH) return REG_RESULT_INVALID;
    if (data == nullptr && size != 0) return REG_RESULT_INVALID;
    std::vector<unsigned char> bytes(data, data + size);
    if (type == RegType::String || type == RegType::ExpandString) {
        // Windows 98 stores a string up to its first zero, and always with one.
        bytes.erase(std::find(bytes.begin(), bytes.end(), 0), bytes.end());
        bytes.push_back(0);
    }
    StoreValue(*node, valueName, type, std::move(bytes));
    return REG_RESULT_OK;
}

RegResult MemoryRegistry::DeleteValue(Key key, const char* name) {
    Node* node = nullptr;
    if (const RegResult result = Use(key, true, &node)) return result;
    return EraseValue(*node, NameOrDefault(name)) ? REG_RESULT_OK : REG_RESULT_NOT_FOUND;
}

RegResult MemoryRegistry::EnumKey(Key key, std::uint32_t index, char* name,
                                  std::uint32_t nameSize) {
    Node* node = nullptr;
    if (const RegResult result = Use(key, false, &node)) return result;
    if (name == nullptr) return REG_RESULT_INVALID;
    if (index >= node->subkeys.size()) return REG_RESULT_NO_MORE_ITEMS;
    const std::string& subkey = node->subkeys[index]->name;
    // The name must fit with its zero; otherwise the buffer is left untouched.
    if (subkey.size() >= nameSize) return REG_RESULT_MORE_DATA;
    std::memcpy(name, subkey.c_str(), subkey.size() + 1);
    return REG_RESULT_OK;
}

RegResult MemoryRegistry::EnumValue(Key key, std::uint32_t index, char* name,
                                    std::uint32_t* nameSize, RegType* type, unsigned char* data,
                                    std::uint32_t* dataSize) {
    Node* node = nullptr;
    if (const RegResult result = Use(key, false, &node)) return result;
    if (name == nullptr || nameSize == nullptr) return REG_RESULT_INVALID;
    if (data != nullptr && dataSize == nullptr) return REG_RESULT_INVALID;
    if (index >= node->values.size()) return REG_RESULT_NO_MORE_ITEMS;
    const Node::Value& value = node->values[index];
    const std::vector<unsigned char> bytes = Presented(value);
    const auto needed = static_cast<std::uint32_t>(bytes.size());
    if (type != nullptr) *type = value.type;
    const bool nameFits = value.name.size() < *nameSize;
    const bool dataFits = data == nullptr || *dataSize >= needed;
    if (dataSize != nullptr) *dataSize = needed;
    // Nothing is copied unless name and data both fit.
    if (!nameFits || !dataFits) return REG_RESULT_MORE_DATA;
    std::memcpy(name, value.name.c_str(), value.name.size() + 1);
    *nameSize = static_cast<std::uint32_t>(value.name.size());
    if (data != nullptr) std::copy(bytes.begin(), bytes.end(), data);
    return REG_RESULT_OK;
}

RegResult MemoryRegistry::QueryInfoKey(Key key, KeyInfo* info) {
    Node* node = nullptr;
    if (const RegResult result = Use(key, false, &node)) return result;
    if (info == nullptr) return REG_RESULT_INVALID;
    *info = KeyInfo{};
    info->subKeys = static_cast<std::uint32_t>(node->subkeys.size());
    info->values = static_cast<std::uint32_t>(node->values.size());
    for (const auto& subkey : node->subkeys)
        info->maxSubKeyLength =
            std::max(info->maxSubKeyLength, static_cast<std::uint32_t>(subkey->name.size()));
    for (const Node::Value& value : node->values) {
        info->maxValueNameLength =
            std::max(info->maxValueNameLength, static_cast<std::uint32_t>(value.name.size()));
        info->maxValueDataSize = std::max(info->maxValueDataSize, ReportedDataSize(value));
    }
    return REG_RESULT_OK;
}

RegResult MemoryRegistry::DeleteKey(const char* path) {
    if (path == nullptr) return REG_RESULT_INVALID;
    std::vector<std::string> names;
    if (!SplitRegPath(path, &names)) return REG_RESULT_BAD_PATHNAME;
    if (names.empty()) return REG_RESULT_ACCESS_DENIED;
    const std::string leaf = names.back();
    names.pop_back();
    std::shared_ptr<Node> parent = root_;
    for (const std::string& name : names) {
        parent = FindSubkey(*parent, name);
        if (parent == nullptr) return REG_RESULT_NOT_FOUND;
    }
    const auto it = FindNamed(parent->subkeys, leaf);
    if (it == parent->subkeys.end()) return REG_RESULT_NOT_FOUND;
    MarkDeleted(**it);
    parent->subkeys.erase(it);
    return REG_RESULT_OK;
}

bool MemoryRegistry::CreateKey(const char* path) {
    std::vector<std::string> names;
    if (path == nullptr || !SplitRegPath(path, &names)) return false;
    for (const std::string& name : names)
        if (name.size() > REG_MAX_KEY_NAME_LENGTH) return false;
    CreatePath(root_, names);
    return true;
}

bool MemoryRegistry::ImportRegText(std::string_view text, std::string* error) {
    std::vector<RegFileKey> keys;
    if (!ParseRegText(text, &keys, error)) return false;
    for (const RegFileKey& key : keys) {
        if (key.remove) {
            DeleteKey(key.path.c_str());  // a key already missing is no fault
            continue;
        }
        std::vector<std::string> names;
        SplitRegPath(key.path, &names);
        const std::shared_ptr<Node> node = CreatePath(root_, names);
        // regedit stores the bytes as written, without RegSetValueExA's string rule.
        for (const RegFileValue& value : key.values) {
            if (value.remove) {
                EraseValue(*node, value.name);
            } else {
                StoreValue(*node, value.name, value.type, value.data);
            }
        }
    }
    return true;
}

std::string MemoryRegistry::ExportRegText(const char* path) const {
    RegResult result = REG_RESULT_OK;
    const std::shared_ptr<Node> top = Walk(path, &result);
    if (top == nullptr) return std::string();
    // The path as stored, in the case in which its keys were created.
    std::vector<std::string> names;
    SplitRegPath(NameOrDefault(path), &names);
    std::string stored;
    const Node* node = root_.get();
    for (const std::string& name : names) {
        node = FindSubkey(*node, name).get();
        if (!stored.empty()) stored.push_back('\\');
        stored.append(node->name);
    }
    std::vector<RegFileKey> keys;
    CollectExport(*top, stored, &keys);
    return FormatRegText(keys);
}

}  // namespace qor
