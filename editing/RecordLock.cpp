// The record lock: no edit reaches a record the user may not change.
#include "ui/TAxKelvaro.h"

#include "editing/FieldRules.h"
#include "editing/SaveRules.h"
#include "ui/ControlFace.h"

bool TAxKelvaro::GoTestVerrou()
{
    if (FlagKeyLost) {
        // A record created without its key: it can only be opened again, not changed.
        setWarningText(keyLostWarning());
        return false;
    }
    if (FlagEditable)
        return true;
    setWarningText(lockWarning(FlagSiteRights, LockDate));
    return false;
}

void TAxKelvaro::GoOnKeyPress(ControlFace&, QChar& key)
{
    if (!GoTestVerrou())
        key = QChar(0);
}

void TAxKelvaro::GoOnKeyDown(ControlFace&, int& key, KeyState)
{
    if (!GoTestVerrou())
        key = 0;
}
