#include "CategoryTree.h"

#include <algorithm>

#include "AsciiCase.h"

namespace kaj::common {
bool CategoryTree::add(std::size_t* parent, std::string key, std::string text,
                       bool sortedChildren) {
    if (!key.empty() && byKey_.count(key) != 0) {
        return false;
    }
    const std::size_t index = nodes_.size();
    if (!key.empty()) {
        byKey_.emplace(key, index);
    }
    foldedTexts_.insert(platform::foldAsciiCase(text));
    nodes_.push_back(CategoryNode{std::move(key), std::move(text), sortedChildren, {}});
    if (parent) {
        nodes_[*parent].children.push_back(index);
    } else {
        roots_.push_back(index);
    }
    return true;
}

bool CategoryTree::addRoot(std::string key, std::string text, bool sortedChildren) {
    return add(nullptr, std::move(key), std::move(text), sortedChildren);
}

bool CategoryTree::addChild(std::string_view parentKey, std::string key, std::string text,
                            bool sortedChildren) {
    if (parentKey.empty()) {
        return false;
    }
    const auto parent = byKey_.find(std::string(parentKey));
    if (parent == byKey_.end()) {
        return false;
    }
    std::size_t parentIndex = parent->second;
    return add(&parentIndex, std::move(key), std::move(text), sortedChildren);
}

void CategoryTree::clear() {
    nodes_.clear();
    roots_.clear();
    byKey_.clear();
    foldedTexts_.clear();
}

bool CategoryTree::hasKey(std::string_view key) const {
    return !key.empty() && byKey_.count(std::string(key)) != 0;
}

std::optional<std::string> CategoryTree::keyEqualIgnoringCase(std::string_view key) const {
    if (key.empty()) {
        return std::nullopt;
    }
    for (const auto& node : nodes_) {
        if (!node.key.empty() && platform::equalsIgnoringAsciiCase(node.key, key)) {
            return node.key;
        }
    }
    return std::nullopt;
}

bool CategoryTree::hasTextIgnoringCase(std::string_view text) const {
    return foldedTexts_.count(platform::foldAsciiCase(text)) != 0;
}

std::vector<std::size_t> CategoryTree::shownChildren(std::size_t index) const {
    std::vector<std::size_t> children = nodes_[index].children;
    if (nodes_[index].sortedChildren) {
        std::stable_sort(children.begin(), children.end(), [this](std::size_t a, std::size_t b) {
            return platform::lessIgnoringAsciiCase(nodes_[a].text, nodes_[b].text);
        });
    }
    return children;
}

std::vector<CategoryTree::ShownNode> CategoryTree::displayOrder() const {
    std::vector<ShownNode> order;
    order.reserve(nodes_.size());
    std::vector<ShownNode> pending;
    for (auto root = roots_.rbegin(); root != roots_.rend(); ++root) {
        pending.push_back({*root, 0});
    }
    while (!pending.empty()) {
        const ShownNode current = pending.back();
        pending.pop_back();
        order.push_back(current);
        const auto children = shownChildren(current.index);
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            pending.push_back({*child, current.depth + 1});
        }
    }
    return order;
}

std::vector<std::string> CategoryTree::outline() const {
    std::vector<std::string> lines;
    for (const auto& shown : displayOrder()) {
        const auto& node = nodes_[shown.index];
        std::string line(static_cast<std::size_t>(shown.depth) * 2, ' ');
        line += node.text;
        if (!node.key.empty()) {
            line += " [" + node.key + "]";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace kaj::common
