#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "server/TXml.h"

// The items of the lists document as the readers of choice lists walk them: a container found by
// XmlFind, its items stepped with XmlNext. Two ways to get them: scanning the document again for
// every question (ScanningLists), or once per loaded document (IndexedLists), with the same
// answers.
class ListSource {
public:
    virtual ~ListSource() = default;

    // The bodies of the items of a container, in document order.
    virtual const std::vector<std::string_view>& items(std::string_view container,
                                                       std::string_view item) const = 0;
    // For each item, the text of its child as a reader stepping from the first item sees it: an
    // item without that child shows the previous item's text (empty before the first one).
    virtual const std::vector<std::string>& carriedChild(std::string_view container,
                                                         std::string_view item,
                                                         std::string_view child) const = 0;
    // The first item whose carried child, upper-cased, equals the upper-case filter.
    virtual std::optional<size_t> firstOfGroup(std::string_view container, std::string_view item,
                                               std::string_view child,
                                               std::string_view upperFilter) const = 0;
    // The document itself, for the readers that search it by key.
    virtual const TXml& document() const = 0;
};

// Walks the document from its start for every question.
class ScanningLists : public ListSource {
public:
    explicit ScanningLists(TXml lists)
        : doc_(std::move(lists))
    {}
    const std::vector<std::string_view>& items(std::string_view container,
                                               std::string_view item) const override;
    const std::vector<std::string>& carriedChild(std::string_view container, std::string_view item,
                                                 std::string_view child) const override;
    std::optional<size_t> firstOfGroup(std::string_view container, std::string_view item,
                                       std::string_view child,
                                       std::string_view upperFilter) const override;
    const TXml& document() const override { return doc_; }

private:
    TXml doc_;
    mutable std::vector<std::string_view> lastItems_;
    mutable std::vector<std::string> lastChild_;
};

// Indexes the document once: items by container, carried children and the first item of each
// group, built on first use and kept for the life of the index.
class IndexedLists : public ListSource {
public:
    explicit IndexedLists(TXml lists)
        : doc_(std::move(lists))
    {}
    const std::vector<std::string_view>& items(std::string_view container,
                                               std::string_view item) const override;
    const std::vector<std::string>& carriedChild(std::string_view container, std::string_view item,
                                                 std::string_view child) const override;
    std::optional<size_t> firstOfGroup(std::string_view container, std::string_view item,
                                       std::string_view child,
                                       std::string_view upperFilter) const override;
    const TXml& document() const override { return doc_; }

private:
    struct Group {
        std::vector<std::string> carried;
        std::map<std::string, size_t, std::less<>> first; // upper-cased value -> first item
    };
    const Group& group(std::string_view container, std::string_view item,
                       std::string_view child) const;

    TXml doc_;
    mutable std::map<std::string, std::vector<std::string_view>, std::less<>> items_;
    mutable std::map<std::string, Group, std::less<>> groups_;
};
