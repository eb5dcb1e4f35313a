// Key filters of the telephone numbers, the registrations and the names written in capitals.
#include "ui/TAxKelvaro.h"

#include "editing/FieldRules.h"

namespace {
// Digits only, then the edit is recorded.
void phoneNumber(TAxKelvaro& window, ControlFace& sender, QChar& key)
{
    key = phoneKey(key);
    window.EditChange(sender);
}

// Digits and letters in capitals, then the edit is recorded.
void registration(TAxKelvaro& window, ControlFace& sender, QChar& key)
{
    key = plateKey(key);
    window.EditChange(sender);
}
} // namespace

void TAxKelvaro::aCliMobileKeyPress(ControlFace& sender, QChar& key)
{
    phoneNumber(*this, sender, key);
}

void TAxKelvaro::aCliTelDomKeyPress(ControlFace& sender, QChar& key)
{
    phoneNumber(*this, sender, key);
}

void TAxKelvaro::aCliTelBurKeyPress(ControlFace& sender, QChar& key)
{
    phoneNumber(*this, sender, key);
}

void TAxKelvaro::cImmatriculationKeyPress(ControlFace& sender, QChar& key)
{
    registration(*this, sender, key);
}

void TAxKelvaro::cVDImmatriculationKeyPress(ControlFace& sender, QChar& key)
{
    registration(*this, sender, key);
}

void TAxKelvaro::cVNImmatriculationKeyPress(ControlFace& sender, QChar& key)
{
    registration(*this, sender, key);
}

void TAxKelvaro::vImmatriculationKeyPress(ControlFace& sender, QChar& key)
{
    registration(*this, sender, key);
}

void TAxKelvaro::aCliNomKeyPress(ControlFace&, QChar& key)
{
    key = capitalKey(key);
}

void TAxKelvaro::aCliPrenomKeyPress(ControlFace&, QChar& key)
{
    key = capitalKey(key);
}

void TAxKelvaro::aCliAdresse1KeyPress(ControlFace&, QChar& key)
{
    key = capitalKey(key);
}

void TAxKelvaro::aCliAdresse2KeyPress(ControlFace&, QChar& key)
{
    key = capitalKey(key);
}

void TAxKelvaro::aCliVilleKeyPress(ControlFace&, QChar& key)
{
    key = capitalKey(key);
}

void TAxKelvaro::vInfoVersionKeyPress(ControlFace&, QChar& key)
{
    key = capitalKey(key);
}

void TAxKelvaro::vInfoTypeVersionKeyPress(ControlFace&, QChar& key)
{
    key = capitalKey(key);
}
