#pragma once

// A small RAII layer over libxml2 offering just the document operations the
// runs use. Texts in and out are UTF-8; callers narrow them to Windows-1252.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct _xmlNode;
struct _xmlDoc;

namespace tt::xml {

class Document;

// A non-owning handle to a node of a Document. Valid while its Document lives.
class Node {
public:
    Node() = default;

    bool valid() const { return node_ != nullptr; }
    explicit operator bool() const { return valid(); }

    std::string name() const;

    // All descendant text joined as it stands (no trimming).
    std::string text() const;
    // Replaces the element's content with one text node.
    void setText(const std::string& utf8);

    // XPath relative to this node, e.g. "dato". Document order.
    std::vector<Node> selectNodes(const std::string& xpath) const;
    Node selectSingleNode(const std::string& xpath) const;

    Node firstChild() const;

    void setAttribute(const std::string& name, const std::string& value);
    void setAttribute(const std::string& name, std::int64_t value);
    std::optional<std::string> attribute(const std::string& name) const;

    // Makes child the last child of this node (moving it if it sits elsewhere).
    void appendChild(Node child);
    // Takes child out of the tree; the Document frees it when it is destroyed.
    void removeChild(Node child);

    _xmlNode* raw() const { return node_; }

private:
    friend class Document;
    explicit Node(_xmlNode* n) : node_(n) {}
    // The Document that owns this node (found through the libxml2 document,
    // so handles survive moving the Document).
    Document& owner() const;
    _xmlNode* checked() const; // throws tt::Error for an empty handle
    _xmlNode* node_ = nullptr;
};

using NodeList = std::vector<Node>;

struct LoadResult {
    bool ok = false;
    std::string message; // parser's reason, in Spanish where it is ours
    int line = 0;        // line of the error, 0 when unknown
};

class Document {
public:
    Document(); // an empty document, as the platform component creates it
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    Document(Document&&) noexcept;
    Document& operator=(Document&&) noexcept;

    // Loads a file, replacing the current content (handles to the old content
    // become invalid). Never throws for bad input: a file that is missing, not
    // well-formed, or declares entities leaves the document empty and reports
    // why. Text nodes made only of white space are dropped, so layout does not
    // change the tree; xml:space="preserve" keeps them, and CDATA sections are
    // kept as they are.
    LoadResult load(const std::filesystem::path& file);

    NodeList selectNodes(const std::string& xpath) const;
    Node selectSingleNode(const std::string& xpath) const;

    Node documentElement() const;
    // Removes a top-level node (the root element, typically) from the document.
    void removeChild(Node child);
    // Appends a top-level node; an element becomes the root when there is none.
    void appendChild(Node child);

    Node createElement(const std::string& name);
    // Node type 1 (element) is the only type supported; namespace must be empty.
    Node createNode(int type, const std::string& name, const std::string& namespaceUri);

    // Writes the whole document (prolog included) in the encoding its loaded
    // declaration named, UTF-8 when none; characters that encoding cannot hold
    // become character references. A document loaded without an XML
    // declaration is written without one. Written to a temporary file beside the
    // target and renamed into place, so a failed save leaves no partial file.
    // Throws tt::Error on failure.
    void save(const std::filesystem::path& file) const;

    // The encoding named by the loaded document's declaration, empty if none.
    std::string declaredEncoding() const;

    _xmlDoc* raw() const { return doc_; }

private:
    friend class Node;
    void adopt(_xmlNode* n);   // remembers a detached node so it is freed
    void reclaim(_xmlNode* n); // forgets it again when it joins a tree
    NodeList select(_xmlNode* context, const std::string& xpath) const;
    void reset(_xmlDoc* doc, bool declared); // frees the current content
    _xmlDoc* doc_ = nullptr;
    bool declared_ = false; // the loaded file began with an XML declaration
    std::vector<_xmlNode*> detached_;
};

} // namespace tt::xml
