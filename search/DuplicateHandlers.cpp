// The duplicate counts of the client page: armed by the field handlers, run by the timer, and
// their boxes, which open the search on the counted value.
#include "ui/TAxKelvaro.h"

#include <algorithm>
#include <exception>

#include <QLabel>

#include "app/Cp1252.h"
#include "search/DuplicateStatements.h"
#include "server/Endpoints.h"
#include "ui/controls/AllKinds.h"

void TAxKelvaro::setDblChange(const QString& kind)
{
    DblKind = kind;
    DupCountdown = 4;
}

void TAxKelvaro::revealDblBox(TextEdit* box)
{
    if (std::find(RevealedDblBoxes.begin(), RevealedDblBoxes.end(), box) == RevealedDblBoxes.end())
        RevealedDblBoxes.push_back(box);
    box->setVisible(true);
}

bool TAxKelvaro::dblBoxRevealed(const TextEdit* box) const
{
    return std::find(RevealedDblBoxes.begin(), RevealedDblBoxes.end(), box) !=
           RevealedDblBoxes.end();
}

TextEdit* TAxKelvaro::dblBoxOf(const QString& kind) const
{
    if (kind == "Nom")
        return DblNom;
    if (kind == "Ident")
        return DblIdent;
    if (kind == "TelDom")
        return DblTelDom;
    if (kind == "Mobile")
        return DblMobile;
    return nullptr;
}

void TAxKelvaro::HttpGetDblInfo()
{
    const DuplicateValues values{toCp1252(aCliNom->text()), toCp1252(aCliPrenom->text()),
                                 toCp1252(aCliTelDom->text()), toCp1252(aCliMobile->text())};
    const std::string statement = duplicateCountStatement(toCp1252(DblKind), values);
    TextEdit* box = dblBoxOf(DblKind);
    // Only a box the user can see is filled; an empty value counts nothing.
    if (statement.empty() || !box || box->isHidden())
        return;
    // The count runs by itself, on the timer: a warning the user has not read yet (a save that
    // failed) stays, and a count that fails says so in the trace only.
    const QString unread = PanelWarning->isVisible() ? LbDebugInfo0->text() : QString();
    const std::optional<TXml> reply =
        fetchDocument(endpoint::queryCount(toCp1252(BaseHRef), statement),
                      replyPath(replyfile::SDbl), "HttpGetDblInfo");
    if (!unread.isEmpty())
        setWarningText(unread);
    if (reply)
        box->setText(fromCp1252(duplicateCount(*reply)));
}

void TAxKelvaro::openDuplicates(TextLabel* label, PictureButton* button, const QString& text,
                                bool withFirstName)
{
    if (!commitFocusedControl())
        return;
    // Ctrl held asks for the records that contain the value rather than those equal to it.
    const bool exact = !ctrlHeld();
    if (withFirstName)
        SearchWithFirstName = true;
    openSearchOn(label, button, text, exact);
}

void TAxKelvaro::DblNomClick()
{
    SearchWithFirstName = false;
    openDuplicates(TSLbClient, TSClient, aCliNom->text(), false);
}

void TAxKelvaro::DblIdentClick()
{
    openDuplicates(TSLbClient, TSClient, aCliNom->text(), true);
}

void TAxKelvaro::DblMobileClick()
{
    openDuplicates(TSLbMobile, TSMobile, aCliMobile->text(), false);
}

void TAxKelvaro::DblTelDomClick()
{
    openDuplicates(TSLbTelephone, TSTelephone, aCliTelDom->text(), false);
}
