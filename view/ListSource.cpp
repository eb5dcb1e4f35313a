#include "view/ListSource.h"

#include "view/CaseText.h"

namespace {

std::vector<std::string_view> walkItems(const TXml& doc, std::string_view container,
                                        std::string_view item)
{
    std::vector<std::string_view> bodies;
    TXml cursor = doc;
    XmlFind(cursor, container);
    while (XmlNext(cursor, item) > 0)
        bodies.push_back(cursor.Node());
    return bodies;
}

std::vector<std::string> carry(const std::vector<std::string_view>& bodies, std::string_view child)
{
    std::vector<std::string> values;
    values.reserve(bodies.size());
    std::string value;
    for (std::string_view body : bodies) {
        XmlValueIn(body, child, value);
        values.push_back(value);
    }
    return values;
}

std::string key(std::string_view container, std::string_view item, std::string_view child = {})
{
    std::string k(container);
    k += '\x01';
    k += item;
    k += '\x01';
    k += child;
    return k;
}

} // namespace

const std::vector<std::string_view>& ScanningLists::items(std::string_view container,
                                                          std::string_view item) const
{
    lastItems_ = walkItems(doc_, container, item);
    return lastItems_;
}

const std::vector<std::string>& ScanningLists::carriedChild(std::string_view container,
                                                            std::string_view item,
                                                            std::string_view child) const
{
    lastChild_ = carry(walkItems(doc_, container, item), child);
    return lastChild_;
}

std::optional<size_t> ScanningLists::firstOfGroup(std::string_view container, std::string_view item,
                                                  std::string_view child,
                                                  std::string_view upperFilter) const
{
    TXml cursor = doc_;
    XmlFind(cursor, container);
    std::string value;
    for (size_t i = 0; XmlNext(cursor, item) > 0; ++i) {
        XmlValue(cursor, child, value);
        if (upperCp1252(value) == upperFilter)
            return i;
    }
    return std::nullopt;
}

const std::vector<std::string_view>& IndexedLists::items(std::string_view container,
                                                         std::string_view item) const
{
    const std::string k = key(container, item);
    auto it = items_.find(k);
    if (it == items_.end())
        it = items_.emplace(k, walkItems(doc_, container, item)).first;
    return it->second;
}

const IndexedLists::Group& IndexedLists::group(std::string_view container, std::string_view item,
                                               std::string_view child) const
{
    const std::string k = key(container, item, child);
    auto it = groups_.find(k);
    if (it != groups_.end())
        return it->second;
    Group g;
    g.carried = carry(items(container, item), child);
    for (size_t i = 0; i < g.carried.size(); ++i)
        g.first.emplace(upperCp1252(g.carried[i]), i); // keeps the first of each value
    return groups_.emplace(k, std::move(g)).first->second;
}

const std::vector<std::string>& IndexedLists::carriedChild(std::string_view container,
                                                           std::string_view item,
                                                           std::string_view child) const
{
    return group(container, item, child).carried;
}

std::optional<size_t> IndexedLists::firstOfGroup(std::string_view container, std::string_view item,
                                                 std::string_view child,
                                                 std::string_view upperFilter) const
{
    const Group& g = group(container, item, child);
    const auto it = g.first.find(upperFilter);
    if (it == g.first.end())
        return std::nullopt;
    return it->second;
}
