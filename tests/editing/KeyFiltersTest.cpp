// The form's key filters, typed into the real controls.

#include "tests/demo-server/ClientSession.h"
#include "tests/editing/EditingWindow.h"
#include "ui/controls/MemoEdit.h"
#include "ui/controls/TextEdit.h"

namespace {

struct Typing {
    const char* control;
    const char* keys;
    const char* shown;
};

const Typing kTypings[] = {
    {"cImmatriculation", "ab-12 c", "AB12C"},
    {"cVDImmatriculation", "ab-12 c", "AB12C"},
    {"cVNImmatriculation", "ab-12 c", "AB12C"},
    {"vImmatriculation", "ab-12 c", "AB12C"},
    {"aCliMobile", "06 12", "0612"},
    {"aCliTelDom", "02-37", "0237"},
    {"aCliTelBur", "a1b2", "12"},
    {"aCliNom", "dupont-\xc3\xa9ric", "DUPONT-\xc3\xa9RIC"},
    {"aCliPrenom", "jean", "JEAN"},
    {"aCliAdresse1", "1 rue", "1 RUE"},
    {"aCliAdresse2", "bat b", "BAT B"},
    {"aCliVille", "dreux", "DREUX"},
    {"vInfoVersion", "gti", "GTI"},
    {"vInfoTypeVersion", "tdi", "TDI"},
};

class KeyFilters : public EditingWindow, public testing::WithParamInterface<Typing> {};

} // namespace

TEST_P(KeyFilters, KeysAreFilteredAndTheFinalTextIsRecorded)
{
    auto* control = dynamic_cast<ControlFace*>(w().findChild<QWidget*>(GetParam().control));
    ASSERT_NE(control, nullptr);
    const int entry = entryOf(control);
    showPageOf(control);
    addKey(entry, "idKey", "1");
    const int at = bind(entry, control, GetParam().control, 2, "");
    typeKeys(control->widget(), QString::fromUtf8(GetParam().keys));
    const QString shown = QString::fromUtf8(GetParam().shown);
    EXPECT_EQ(control->text(), shown);
    EXPECT_EQ(field(entry, at).Value, cp1252(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(EveryFilter, KeyFilters, testing::ValuesIn(kTypings),
                         [](const auto& info) { return std::string(info.param.control); });
