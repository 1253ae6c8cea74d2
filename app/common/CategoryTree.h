#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kaj::common {

struct CategoryNode {
    std::string key;  // empty: the node has no key
    std::string text;
    bool sortedChildren = false;
    std::vector<std::size_t> children;  // in the order added
};

// A two-level tree of categories as the windows show it (catalogue and travel). Keys compare
// exactly and are unique; a node is added only under an existing key. Children of a node with the
// sorted flag show in ascending text order (A-Z folded, equal texts in the order added); roots show
// in the order added. Looking a node up by key or by folded text takes constant time, so the
// builders stay linear in the number of records.
class CategoryTree {
  public:
    bool addRoot(std::string key, std::string text, bool sortedChildren);
    // False, adding nothing, when the key is taken or the parent key is unknown.
    bool addChild(std::string_view parentKey, std::string key, std::string text,
                  bool sortedChildren);
    void clear();

    bool hasKey(std::string_view key) const;
    // The key of a node that equals this one with A-Z letter case ignored.
    std::optional<std::string> keyEqualIgnoringCase(std::string_view key) const;
    // Whether any node of the tree has this text, A-Z letter case ignored.
    bool hasTextIgnoringCase(std::string_view text) const;

    std::size_t size() const { return nodes_.size(); }
    bool empty() const { return nodes_.empty(); }
    const CategoryNode& node(std::size_t index) const { return nodes_[index]; }
    const std::vector<std::size_t>& roots() const { return roots_; }
    // The children in the order they show.
    std::vector<std::size_t> shownChildren(std::size_t index) const;

    struct ShownNode {
        std::size_t index;
        int depth;
    };
    // Every node in display order, depth first.
    std::vector<ShownNode> displayOrder() const;
    // One line per node in display order: two blanks per level, the text, and
    // " [key]" for a node with a key.
    std::vector<std::string> outline() const;

  private:
    bool add(std::size_t* parent, std::string key, std::string text, bool sortedChildren);

    std::vector<CategoryNode> nodes_;
    std::vector<std::size_t> roots_;
    std::unordered_map<std::string, std::size_t> byKey_;
    std::unordered_set<std::string> foldedTexts_;
};

}  // namespace kaj::common
