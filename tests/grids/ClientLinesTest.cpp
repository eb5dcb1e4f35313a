// Rules of a client's follow-up actions and vehicles: statements, mandatory values, defaults,
// date checks and identifiers.
#include <gtest/gtest.h>

#include "app/DayDate.h"
#include "grids/ActionRules.h"
#include "grids/VehicleRules.h"

namespace {

// A line described as the demo structure describes the actions.
TsLine describedLine()
{
    const char* names[] = {"",
                           "idAction",
                           "DateAction",
                           "idCom",
                           "TypeAction",
                           "SujetAction",
                           "CommentaireAction",
                           "DateRelance",
                           "idComRelance",
                           "SujetRelance",
                           "PrioriteRelance"};
    const int types[] = {0, 4, 1, 4, 4, 4, 2, 1, 4, 4, 4};
    TsLine line;
    for (int k = 1; k <= kActionColumns; ++k) {
        line.Cells[k].FieldName = names[k];
        line.Cells[k].InfoType = types[k];
    }
    return line;
}

TsLine withValues(TsLine line, std::initializer_list<const char*> values, bool loaded)
{
    int k = 1;
    for (const char* value : values) {
        line.Cells[k].Value = value;
        line.Cells[k++].OrgValue = loaded ? value : "";
    }
    return line;
}

ActionChoices choices()
{
    ActionChoices c;
    c.items[actcol::Salesperson] = c.items[actcol::FollowUpSalesperson] = {"DUVAL Pierre"};
    c.items[actcol::Type] = {"Appel", "Visite", "Courrier"};
    c.items[actcol::Subject] = {"Premier contact", "Offre commerciale"};
    c.staffName = [](std::string_view id) -> std::optional<std::string> {
        if (id == "101")
            return "DUVAL Pierre";
        if (id == "104")
            return "FONTAINE Léa"; // of another site: not in the column's list
        return std::nullopt;
    };
    return c;
}

} // namespace

TEST(ActionRules, StatementsOfALine)
{
    const TsLine loaded = withValues(
        describedLine(),
        {"77", "15/03/2026", "101", "2", "1", "Appel", "20/03/2026", "101", "1", "2"}, true);
    TsLine changed = loaded;
    changed.Cells[actcol::Comment].Value = "Rappeler l'apr\xE8s-midi";
    changed.Cells[actcol::Type].Value = "3";
    const TsLine added = withValues(
        describedLine(), {"", "15/03/2026", "101", "3", "2", "Devis", "22/03/2026", "101", "1", ""},
        false);
    struct Case {
        TsLine line;
        ActionStatementContext context;
        std::string statement;
    } cases[] = {
        {changed,
         {"2001", false, false},
         "Update tActions set TypeAction=3,CommentaireAction='Rappeler l''apr\xE8s-midi' where "
         "(idAction=77)"},
        {added,
         {"2001", true, false},
         "Insert into tActions (DateAction,idCom,TypeAction,SujetAction,CommentaireAction,"
         "DateRelance,idComRelance,SujetRelance, idClient, idAction ) Values (#03/15/2026#,101,3,"
         "2,'Devis',#03/22/2026#,101,1, 2001, :NewID)"},
        {loaded, {"2001", false, true}, "Delete * from tActions where (idAction=77)"},
        {loaded, {"2001", false, false}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(actionLineStatement(c.line, c.context), c.statement);
    // Every described value is required: the priority is missing from the new action.
    EXPECT_EQ(missingActionColumn(added), actcol::Priority);
    EXPECT_EQ(missingActionColumn(changed), 0);
}

TEST(ActionRules, ANewActionStartsWithTheRememberedChoicesStillOffered)
{
    const int today = parseDate("20/05/2026");
    TsDesc dated;
    dated.DefVal = "now";
    struct Case {
        int column;
        std::optional<std::string> remembered;
        const char* clientSalesperson;
        std::string value;
    } cases[] = {
        {actcol::Type, "3", "", "3"},
        {actcol::Type, "4", "", ""}, // past the end of its list
        {actcol::Type, std::nullopt, "", ""},
        {actcol::Subject, "0", "", ""},
        {actcol::Salesperson, "101", "", "101"},
        {actcol::Salesperson, "999", "", ""},               // left the company
        {actcol::Salesperson, "104", "", ""},               // not of the client's site
        {actcol::FollowUpSalesperson, "104", "101", "101"}, // the client's salesperson
        {actcol::FollowUpSalesperson, "101", "0", ""},      // a client without salesperson
        {actcol::Date, "18/05/2026", "", "18/05/2026"},
        {actcol::Date, std::nullopt, "", ""}, // the remembered value replaces "now"
        {actcol::FollowUpDate, "31/02/2026", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(
            newActionValue(c.column, dated, c.remembered, c.clientSalesperson, today, choices()),
            c.value);
    }
    // A column whose value is not remembered takes the structure's default.
    TsDesc plain;
    plain.DefVal = "now";
    EXPECT_EQ(newActionValue(actcol::Comment, plain, "x", "", today, choices()), "20/05/2026");
}

TEST(ActionRules, ShownTextsOfStoredValues)
{
    struct Case {
        int column;
        const char* value;
        std::string shown;
    } cases[] = {
        {actcol::Type, "", "Appel"},
        {actcol::Type, "2", "Visite"},
        {actcol::Type, "0", ""},
        {actcol::Type, "7", ""},
        {actcol::Salesperson, "101", "DUVAL Pierre"},
        {actcol::Salesperson, "5", ""},
        {actcol::Comment, "a\r\nb", "a\nb"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(actionShownText(c.column, c.value, choices()), c.shown) << c.value;
    EXPECT_EQ(actionValueOfText(actcol::Comment, "a\nb", "0"), "a\r\nb");
    EXPECT_EQ(actionValueOfText(actcol::Type, "", "0"), "");
}

TEST(ActionRules, HowSoonAFollowUpIsDue)
{
    const int today = parseDate("20/05/2026");
    const std::pair<const char*, FollowUpDue> due[] = {{"19/05/2026", FollowUpDue::Past},
                                                       {"20/05/2026", FollowUpDue::Soon},
                                                       {"27/05/2026", FollowUpDue::Soon},
                                                       {"28/05/2026", FollowUpDue::Later},
                                                       {"", FollowUpDue::Later}};
    for (const auto& [date, expected] : due)
        EXPECT_EQ(followUpDue(date, today), expected) << date;
}

TEST(ActionRules, LeavingALine)
{
    std::vector<TsLine> lines(4);
    lines[2].MissingCol = actcol::Comment;
    lines[3].Statement = "Update tActions set TypeAction=2 where (idAction=5)";
    const ActionLineLeave refused = leaveActionLine(lines, 3, 2, false);
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(refused.column, actcol::Comment);
    EXPECT_EQ(refused.row, 1);
    // Within the line itself, or while the new action is being entered, the move goes on; the
    // pending line elsewhere is saved first.
    EXPECT_FALSE(leaveActionLine(lines, 3, 1, false).refused);
    const ActionLineLeave fromNew = leaveActionLine(lines, 3, 0, true);
    EXPECT_FALSE(fromNew.refused);
    EXPECT_TRUE(fromNew.pending);
}

TEST(VehicleRules, RowsIdentifiersAndDeletion)
{
    const TXml client("<TVC><idClient>2001</idClient><TVehS><TVeh><idtVO>70001</idtVO>"
                      "<InfoMarque>TOYOTA</InfoMarque><InfoModele>YARIS</InfoModele>"
                      "<InfoVersion>1.5</InfoVersion><Immatriculation>MZ289KN</Immatriculation>"
                      "</TVeh><TVeh><idtVO>70002</idtVO></TVeh></TVehS></TVC>");
    const std::vector<ClientVehicleRow> rows = clientVehicleRows(client);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].id, "70001");
    EXPECT_EQ(rows[0].registration, "MZ289KN");
    EXPECT_EQ(rows[0].description, "TOYOTA YARIS 1.5");
    EXPECT_EQ(rows[1].description, "  ");
    for (const char* id : {"0", "-1", "-2", "", "x"})
        EXPECT_FALSE(positiveIdentifier(id)) << id;
    EXPECT_TRUE(positiveIdentifier("2001"));
    EXPECT_EQ(vehicleDeletion("70002"), "Delete * From tVehiclesOstrel where idTVo=70002");
    EXPECT_EQ(vehicleDeletionQuestion("RF559TV", "CITROEN BERLINGO"),
              "Veuillez confirmer la suppression de \"RF559TV\" - \"CITROEN BERLINGO\"");
}
