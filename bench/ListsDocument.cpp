#include "bench/ListsDocument.h"

std::string makeListsDocument(size_t bytes)
{
    std::string doc = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><document>"
                      "<Concession>BRESMAN</Concession><ParsS>";
    size_t n = 0;
    while (doc.size() < bytes) {
        doc += "<Pars><type>TYPE" + std::to_string(n % 40) + "</type><text>Libell\xe9 num\xe9ro " +
               std::to_string(n) + " &amp; suite</text></Pars>";
        ++n;
    }
    doc += "</ParsS></document>";
    return doc;
}
