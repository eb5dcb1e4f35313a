#pragma once

#include <string>
#include <string_view>

#include "view/TsPage.h"

// The descriptor behind a bound control and what its description says about editing it.

// The descriptor of a control's tag in the ten tab entries; nothing for tag 0 (not bound) or for a
// tag that names no descriptor.
TsDesc* boundField(TsPage (&pages)[kPageEntries], int tag);

// The value an edit stores: its text, except that a date edit showing only its empty mask
// "__/__/____" holds no date.
std::string editValue(std::string_view text, int infoType);

// A combo whose value is its text and whose data is text.
bool isTextCombo(const TsDesc& field);
// A combo whose value is the identifier of a staff member of the list "InfoCom".
bool isStaffList(const TsDesc& field);
// A super administrator entering a combo of a maintained list with Ctrl held may edit its list.
bool opensListMaintenance(const TsDesc& field, bool superAdmin, bool ctrlHeld);
