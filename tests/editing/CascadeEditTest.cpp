// Cascading lists and list maintenance in the real window against the demo server: a make brings
// its models, a model its version types, the version text follows them, the client's site splits
// the purchase-plan models, and a superadmin adds and removes list entries on the server.
#include <QMessageBox>

#include "app/Cp1252.h"
#include "tests/editing/DemoEditing.h"
#include "ui/controls/AllKinds.h"

namespace {
class Cascades : public DemoEditing {
protected:
    std::string statementOf(int entry) { return w().TabDesc[entry].Statement; }
};
} // namespace

TEST_F(Cascades, AMakeBringsItsModelsAndTheModelGoesIntoTheVersion)
{
    demo.open({{"idTVO", "1001"}});
    ASSERT_EQ(w().cInfoModele->text(), "GOLF");
    const QString version = w().cInfoVersion->text();
    ASSERT_TRUE(version.startsWith("GOLF "));

    w().cInfoMarque->setText("PEUGEOT");
    EXPECT_EQ(w().cInfoModele->text(), "");
    EXPECT_EQ(w().cInfoModele->items(), (QStringList{"2008", "208", "3008", "308", "5008"}));
    // The model is recorded as empty until one is picked.
    EXPECT_NE(statementOf(1).find("InfoModele=NULL"), std::string::npos) << statementOf(1);

    w().cInfoModele->setText("308");
    EXPECT_EQ(w().cInfoVersion->text(), "308" + version.mid(4));
    EXPECT_NE(statementOf(1).find("InfoVersion='308 "), std::string::npos);
    EXPECT_EQ(w().LastModel, "308");

    // A key without items leaves the dependent combo as it was.
    w().UpdateCBox(*w().cInfoModele, "TESLA", "Models");
    EXPECT_EQ(w().cInfoModele->text(), "308");
    EXPECT_EQ(w().cInfoModele->items().size(), 5);

    // The model last merged is kept while the next record is shown.
    w().cInfoModele->setText("5008");
    ASSERT_TRUE(w().SaveChanges());
    demo.open({{"idTVO", "1002"}});
    EXPECT_EQ(w().LastModel, "5008");
}

TEST_F(Cascades, AVersionTypeReplacesTheLoadedOneAtTheEnd)
{
    demo.open({{"idTVO", "1201"}});
    ASSERT_EQ(w().cVNInfoTypeVersion->text(), "LIFE");
    ASSERT_TRUE(w().cVNInfoVersion->text().endsWith(" LIFE"));
    EXPECT_TRUE(w().cVNInfoTypeVersion->items().contains("GTI"));
    w().cVNInfoTypeVersion->setText("GTI");
    EXPECT_TRUE(w().cVNInfoVersion->text().endsWith(" GTI"))
        << w().cVNInfoVersion->text().toStdString();
    EXPECT_FALSE(w().cVNInfoVersion->text().contains("LIFE"));
    EXPECT_EQ(w().LastType, "GTI");
}

TEST_F(Cascades, TheClientSiteSplitsThePurchasePlanModels)
{
    demo.open({{"idClient", "2001"}});
    ASSERT_EQ(w().aSite->text(), "CHARTRES"); // sells VW and AUDI
    const QStringList atChartres = w().cPAPAChoix1->items();
    EXPECT_TRUE(atChartres.contains("GOLF"));
    EXPECT_FALSE(atChartres.contains("IBIZA"));

    w().aSite->setText("DREUX"); // sells SKODA, SEAT and CUPRA
    EXPECT_EQ(w().RecordSite, "DREUX");
    const QStringList atDreux = w().cPAPAChoix1->items();
    EXPECT_TRUE(atDreux.contains("IBIZA"));
    EXPECT_FALSE(atDreux.contains("GOLF"));
    EXPECT_TRUE(w().cPAPAChoix2->items().contains("GOLF"));
    EXPECT_FALSE(w().cPAPAChoix2->items().contains("IBIZA"));
}

TEST_F(Cascades, ASuperadminAddsAndRemovesListEntriesOnTheServer)
{
    demo.open({{"idTVO", "1001"}});
    ASSERT_TRUE(w().cLieuStockage->items().contains("Parc B"));

    // Answering No sends nothing.
    w().cLieuStockage->setText("Parc B");
    Answered no =
        answering(QMessageBox::No, [&] { w().ActionInfoRubrique(*w().cLieuStockage, -1); });
    ASSERT_EQ(no.titles, QStringList{"Confirmation de Suppression"});
    EXPECT_EQ(no.texts[0], "Veuillez confirmer la suppression de la valeur 'Parc B' pour le champ "
                           "'LieuStockage'");
    EXPECT_TRUE(w().cLieuStockage->items().contains("Parc B"));

    Answered yes =
        answering(QMessageBox::Yes, [&] { w().ActionInfoRubrique(*w().cLieuStockage, -1); });
    EXPECT_EQ(yes.titles, (QStringList{"Confirmation de Suppression", "Fin de Suppression"}));
    EXPECT_EQ(yes.texts.value(1), "Suppression terminée");
    EXPECT_TRUE(w().LbDebugInfo0->text().isEmpty()) << w().LbDebugInfo0->text().toStdString();
    EXPECT_FALSE(w().cLieuStockage->items().contains("Parc B")); // the record was reloaded

    w().cInfoCouleur->setText("VERT ANIS");
    Answered add =
        answering(QMessageBox::Yes, [&] { w().ActionInfoRubrique(*w().cInfoCouleur, 0); });
    EXPECT_EQ(add.titles, (QStringList{"Confirmation d'Ajout ", "Fin d'Ajout"}));
    EXPECT_EQ(add.texts.value(1), "Ajout terminé");
    EXPECT_TRUE(w().cInfoCouleur->items().contains("VERT ANIS"));
}
