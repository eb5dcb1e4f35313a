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

void TAxKelvaro::czCmdDefaultImageVOClick()
{
    if (cListImageVO->itemIndex() < 0 || !settlePendingChanges())
        return;
    // A deletion below or a warning shown meanwhile may have changed the selection.
    const int item = cListImageVO->itemIndex();
    if (item < 0)
        return;
    SetDefaultImageVO(cListImageVO->caption(item));
    if (LbDebugInfo0->text().isEmpty())
        UpdateView(false);
}

void TAxKelvaro::czCmdDeleteImageVOClick()
{
    if (cListImageVO->itemIndex() < 0 || !settlePendingChanges())
        return;
    const int item = cListImageVO->itemIndex();
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
