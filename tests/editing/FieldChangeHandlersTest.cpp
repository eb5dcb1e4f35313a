// The form's change handlers record the change; the double clicks show a duplicate indicator.
#include "tests/editing/EditingWindow.h"
#include "ui/controls/MemoEdit.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/TextEdit.h"

namespace {
struct Change {
    const char* control;
    const char* text;
};
const Change kChanges[] = {
    {"cNVO", "123"},
    {"cVDNVO", "124"},
    {"cVNNVO", "125"},
    {"cCV", "7"},
    {"cKMS", "45000"},
    {"cVDCV", "5"},
    {"cVDKMS", "12"},
    {"cVNCV", "6"},
    {"aCliNbEnfants", "2"},
    {"vKMS", "9000"},
    {"cInfoVersion", "GTI"},
    {"vInfoTypeVersion", "TDI"},
    {"cVNInfoVersion", "S"},
    {"cDateEntree", "01/06/2026"},
    {"cDateOrdre", "02/06/2026"},
    {"aCliNom", "DUPONT"},
    {"aCliPrenom", "JEAN"},
    {"aCliEmail", "j@d.fr"},
    {"aCliMobile", "0612"},
    {"aCliTelDom", "0237"},
};

class FieldChanges : public EditingWindow, public testing::WithParamInterface<Change> {};
} // namespace

TEST_P(FieldChanges, TheChangeIsRecorded)
{
    auto* control = dynamic_cast<ControlFace*>(w().findChild<QWidget*>(GetParam().control));
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(control->onChange) << "a change handler of the form";
    const int entry = entryOf(control);
    addKey(entry, "idKey", "1");
    const int at = bind(entry, control, GetParam().control, 2, "");
    control->setText(GetParam().text);
    EXPECT_EQ(field(entry, at).Value, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(EveryHandler, FieldChanges, testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.control); });

TEST_F(EditingWindow, ADoubleClickShowsItsDuplicateIndicator)
{
    struct Click {
        ControlFace* control;
        ControlFace* indicator;
    };
    for (const Click& c :
         {Click{w().aCliNom, w().DblNom}, Click{w().aCliPrenom, w().DblIdent},
          Click{w().aCliMobile, w().DblMobile}, Click{w().aCliTelDom, w().DblTelDom}}) {
        c.indicator->setVisible(false);
        c.control->onDblClick(*c.control);
        EXPECT_TRUE(c.indicator->isVisible()) << c.control->name().toStdString();
    }
}
