#include "VersionResource.h"

#include <cstring>
#include <stdexcept>

namespace kestrane::wine {
namespace {

// One node of the block: a length, a value length, a type, a key, a value and children, each
// part aligned to four bytes from the start of the block.
struct Node {
  std::wstring key;
  std::span<const std::byte> value;
  std::span<const std::byte> children;
};

std::size_t Align(std::size_t offset) {
  return (offset + 3) & ~std::size_t{3};
}

WORD WordAt(std::span<const std::byte> block, std::size_t offset) {
  if (offset + sizeof(WORD) > block.size()) throw std::runtime_error("version block cut short");
  WORD word = 0;
  std::memcpy(&word, block.data() + offset, sizeof word);
  return word;
}

// The node at the front of block (block begins four-byte aligned); sets size to its length.
Node ReadNode(std::span<const std::byte> block, std::size_t& size) {
  size = WordAt(block, 0);
  WORD valueLength = WordAt(block, 2);
  WORD type = WordAt(block, 4);
  if (size > block.size() || size < 6) throw std::runtime_error("bad version node length");
  Node node;
  std::size_t offset = 6;
  for (WORD unit = WordAt(block, offset); unit != 0; unit = WordAt(block, offset)) {
    node.key.push_back(static_cast<wchar_t>(unit));
    offset += 2;
  }
  offset = Align(offset + 2);
  // Text values count UTF-16 units, binary ones bytes.
  std::size_t valueBytes = type == 1 ? valueLength * std::size_t{2} : valueLength;
  if (offset + valueBytes > size) throw std::runtime_error("bad version value length");
  node.value = block.subspan(offset, valueBytes);
  offset = Align(offset + valueBytes);
  node.children = offset < size ? block.subspan(offset, size - offset) : block.subspan(size, 0);
  return node;
}

std::vector<Node> Children(std::span<const std::byte> children) {
  std::vector<Node> nodes;
  while (!children.empty()) {
    std::size_t size = 0;
    nodes.push_back(ReadNode(children, size));
    children = children.subspan(std::min(Align(size), children.size()));
  }
  return nodes;
}

std::wstring TextValue(std::span<const std::byte> value) {
  std::wstring text(value.size() / 2, L'\0');
  std::memcpy(text.data(), value.data(), text.size() * 2);
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

}  // namespace

VersionResource ParseVersionResource(std::span<const std::byte> block) {
  std::size_t size = 0;
  Node root = ReadNode(block, size);
  if (root.key != L"VS_VERSION_INFO" || root.value.size() != sizeof(VS_FIXEDFILEINFO)) {
    throw std::runtime_error("not a version resource");
  }
  VersionResource resource;
  std::memcpy(&resource.fixed, root.value.data(), sizeof resource.fixed);
  for (const Node& info : Children(root.children)) {
    if (info.key == L"StringFileInfo") {
      for (const Node& table : Children(info.children)) {
        resource.stringTable = table.key;
        for (const Node& entry : Children(table.children)) {
          resource.strings.emplace_back(entry.key, TextValue(entry.value));
        }
      }
    } else if (info.key == L"VarFileInfo") {
      for (const Node& var : Children(info.children)) {
        if (var.key == L"Translation" && var.value.size() >= 4) {
          resource.language = WordAt(var.value, 0);
          resource.codePage = WordAt(var.value, 2);
        }
      }
    }
  }
  return resource;
}

}  // namespace kestrane::wine
