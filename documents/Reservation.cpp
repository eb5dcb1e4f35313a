#include "documents/Reservation.h"

#include "server/TXml.h"

namespace {
constexpr int kFoldedHeight = 25;
constexpr int kUnfoldedHeight = 216;
constexpr int kFoldShift = kUnfoldedHeight - kFoldedHeight;
} // namespace

std::optional<std::array<std::string, 4>> reservationLines(const TXml& record)
{
    TXml cursor = record;
    XmlFind(cursor, "ResaS");
    if (XmlNext(cursor, "Resa") == 0)
        return std::nullopt;
    // The server escapes "&", "<" and ">" in the names and the comment.
    auto text = [&cursor](const char* name) { return XmlUnescape(XmlText(cursor, name), false); };
    return std::array<std::string, 4>{"R\xE9servation jusqu'au " + text("DResaMax") + " inclus.",
                                      "Vendeur : " + text("Vendeur"),
                                      "Acheteur : " + text("Acheteur"), text("Commentaire")};
}

PanelStrip toggledAccountingPanel(PanelStrip panel)
{
    if (panel.height == kFoldedHeight)
        return {panel.top - kFoldShift, kUnfoldedHeight};
    return {panel.top + kFoldShift, kFoldedHeight};
}
