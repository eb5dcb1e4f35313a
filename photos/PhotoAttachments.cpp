// The vehicle's attached photos on the server: the default photo and deletions.
#include "ui/TAxKelvaro.h"

#include <QLabel>

#include "app/Cp1252.h"
#include "photos/PhotoRecords.h"
#include "server/Endpoints.h"
#include "ui/controls/AllKinds.h"

void TAxKelvaro::SetDefaultImageVO(const QString& name)
{
    std::string idVO;
    GetIdVO(true, idVO);
    if (idVO.empty())
        return;
    const std::string statement = defaultPhotoStatement(idVO, toCp1252(name));
    LbDebugInfo2->setText(fromCp1252(statement));
    HttpExecute(endpoint::update(toCp1252(BaseHRef), statement), replyPath(replyfile::Update));
}

namespace {
// The attached photo selected once pending changes are settled (a save reloads the list); -1 when
// there is none or the user stayed in the record's edits.
int settledSelection(TAxKelvaro& window)
{
    if (window.cListImageVO->itemIndex() < 0 || !window.settlePendingChanges())
        return -1;
    return window.cListImageVO->itemIndex();
}
} // namespace

void TAxKelvaro::czCmdDefaultImageVOClick()
{
    const int item = settledSelection(*this);
    if (item < 0)
        return;
    SetDefaultImageVO(cListImageVO->caption(item));
    if (LbDebugInfo0->text().isEmpty())
        UpdateView(false);
}

void TAxKelvaro::czCmdDeleteImageVOClick()
{
    const int item = settledSelection(*this);
    if (item < 0)
        return;
    std::string idVO;
    GetIdVO(true, idVO);
    if (idVO.empty())
        return;
    const QString name = cListImageVO->caption(item);
    const std::string statement = photoDeletionStatement(idVO, toCp1252(name));
    LbDebugInfo2->setText(fromCp1252(statement));
    HttpExecute(endpoint::update(toCp1252(BaseHRef), statement), replyPath(replyfile::Delete));
    if (!LbDebugInfo0->text().isEmpty())
        return;
    if (name == cNomImage->text())
        SetDefaultImageVO(nextDefaultPhoto(cListImageVO->items(), name));
    if (LbDebugInfo0->text().isEmpty())
        UpdateView(false);
}
