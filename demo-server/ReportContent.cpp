#include "demo-server/ReportContent.h"

#include <cmath>
#include <map>

#include "app/Numbers.h"
#include "demo-server/RecordDocuments.h"
#include "demo-server/Sqlite.h"
#include "demo-server/ValueFormat.h"

namespace {

using Values = std::map<std::string, std::string>;

// Rows with their values as the documents write them (dates "dd/mm/yyyy", amounts "0.00").
std::vector<Values> fetch(sqlite3* db, std::string_view sql, const std::string& key)
{
    Statement rows(db, sql);
    rows.bind(1, key);
    std::vector<Values> all;
    while (rows.step()) {
        Values& values = all.emplace_back();
        for (int c = 0; c < rows.columnCount(); ++c)
            values[rows.columnName(c)] = documentValue(rows.declaredType(c), rows.text(c));
    }
    return all;
}

QString q(const Values& values, const std::string& name)
{
    const auto found = values.find(name);
    return found == values.end() ? QString() : QString::fromStdString(found->second);
}

double amount(const Values& values, const std::string& name)
{
    return readAmount(q(values, name).toStdString()).value_or(0);
}

QString euros(double value)
{
    return QString::fromStdString(formatAmount(value)) + " €";
}

QString staffName(sqlite3* db, const QString& idCom)
{
    const auto rows = fetch(db, "SELECT cNom FROM tStaff WHERE idCom = ?1", idCom.toStdString());
    return rows.empty() ? QString() : q(rows.front(), "cNom");
}

// Texts of the options whose codes a field holds (";CLIM;GPS;").
QString optionTexts(sqlite3* db, const std::string& list, const QString& codes)
{
    QStringList texts;
    for (const auto& option :
         fetch(db, "SELECT Abbr, eText FROM ListOptions WHERE ListName = ?1 ORDER BY Position",
               list)) {
        if (codes.toUpper().contains(";" + q(option, "Abbr").toUpper() + ";"))
            texts << q(option, "eText");
    }
    return texts.join(", ");
}

// The text at a position (from 1) of a general list, as the client stores list choices.
QString rubricAt(sqlite3* db, const std::string& type, const QString& position,
                 const std::string& concession)
{
    bool ok = false;
    const int index = position.toInt(&ok);
    if (!ok || index < 1)
        return {};
    Statement row(db, "SELECT RubricText FROM ListRubrics WHERE UPPER(RubricType) = UPPER(?1) "
                      "AND (RubricItem = '..' OR RubricItem = ?2) "
                      "ORDER BY RubricIndex, RubricText, rowid LIMIT 1 OFFSET ?3");
    row.bind(1, type);
    row.bind(2, concession);
    row.bind(3, static_cast<long long>(index - 1));
    return row.step() ? QString::fromStdString(row.text(0).value_or("")) : QString();
}

void addDealership(sqlite3* db, ReportPage& page, const Values& record)
{
    const auto rows = fetch(db, "SELECT * FROM tConcessions WHERE Concession = ?1",
                            q(record, "Concession").toStdString());
    if (rows.empty()) {
        page.dealership = q(record, "Concession");
        return;
    }
    const Values& dealer = rows.front();
    page.dealership = q(dealer, "RaisonSociale") + " - site de " + q(record, "Site");
    page.dealershipAddress = q(dealer, "Adresse") + ", " + q(dealer, "CodePostal") + " " +
                             q(dealer, "Ville") + " - Tél. " + q(dealer, "Telephone");
}

QString kindOf(const Values& vehicle)
{
    if (q(vehicle, "TypeVO") == "1")
        return "VO";
    return q(vehicle, "StatutVD").isEmpty() ? "VN" : "VD";
}

Values vehicleRecord(sqlite3* db, const std::string& idVO)
{
    const auto rows = fetch(db, "SELECT * FROM tVehicles WHERE idVO = ?1", idVO);
    if (rows.empty())
        throw ReportUnavailable("Aucun véhicule ne porte l'identifiant idVO=" + idVO + ".");
    return rows.front();
}

std::string photoOf(sqlite3* db, const Values& vehicle)
{
    QString name = q(vehicle, "NomImage");
    if (name.isEmpty()) {
        const auto images = fetch(db,
                                  "SELECT NomImage FROM \"tVO - Liens Images\" WHERE idVO = ?1 "
                                  "ORDER BY NumImage LIMIT 1",
                                  q(vehicle, "idVO").toStdString());
        if (!images.empty())
            name = q(images.front(), "NomImage");
    }
    return name.isEmpty() ? std::string() : name.toStdString() + ".jpg";
}

ReportPage vehicleSheet(sqlite3* db, const std::string& idVO, bool presentation)
{
    const Values v = vehicleRecord(db, idVO);
    const QString kind = kindOf(v);
    ReportPage page;
    addDealership(db, page, v);
    page.title = "Fiche commerciale " + kind + " n° " + q(v, "NVO");
    page.subtitle = q(v, "InfoMarque") + " " + q(v, "InfoModele") + " - " + q(v, "InfoVersion");
    page.photoFile = photoOf(db, v);
    page.sections.push_back({"Véhicule",
                             {{"Marque", q(v, "InfoMarque")},
                              {"Modèle", q(v, "InfoModele")},
                              {"Version", q(v, "InfoVersion")},
                              {"Carrosserie", q(v, "Carrosserie")},
                              {"Énergie", q(v, "Energie")},
                              {"Boîte de vitesses", q(v, "BoiteVitesse")},
                              {"Portes / places", q(v, "NbPortes") + " / " + q(v, "NbPlaces")},
                              {"Puissance fiscale", q(v, "CV") + " CV"},
                              {"Couleur", q(v, "InfoCouleur")},
                              {"Kilométrage", q(v, "KMS") + " km"},
                              {"Mise en circulation", q(v, "MEC")},
                              {"Immatriculation", q(v, "Immatriculation")}}});
    ReportSection price{"Prix", {{"Prix de vente TTC", euros(amount(v, "PrixVente"))}}};
    if (kind != "VO" && !presentation) {
        price.fields.push_back({"Prix catalogue", euros(amount(v, "PrixCatalogue"))});
        price.fields.push_back({"Code remise", q(v, "CodeRemise")});
    }
    if (kind == "VO")
        price.fields.push_back({"Garantie", q(v, "TypeGarantie") + " " + q(v, "DureeGarantie")});
    page.sections.push_back(price);
    if (kind == "VO") {
        ReportSection equipment{"Équipements", {}};
        const std::pair<const char*, const char*> lists[] = {{"InfoEquiInterieur", "Intérieur"},
                                                             {"InfoEquiExterieur", "Extérieur"},
                                                             {"InfoEquiSecurite", "Sécurité"},
                                                             {"InfoComplement", "Compléments"}};
        for (const auto& [list, label] : lists)
            equipment.fields.push_back({label, optionTexts(db, list, q(v, list))});
        page.sections.push_back(equipment);
    } else {
        page.sections.push_back(
            {"Options", {{"Options", optionTexts(db, "InfoOptions", q(v, "InfoOptions"))}}});
    }
    page.note = q(v, "Commentaires");
    if (!presentation)
        page.note += (page.note.isEmpty() ? "" : "\n") + QString("Vendeur : ") +
                     staffName(db, q(v, "Vendeur"));
    return page;
}

ReportPage marginSheet(sqlite3* db, const std::string& idVO)
{
    const Values v = vehicleRecord(db, idVO);
    ReportPage page;
    addDealership(db, page, v);
    page.title = "Feuille de marge VO n° " + q(v, "NVO");
    page.subtitle = q(v, "InfoMarque") + " " + q(v, "InfoModele") + " - " + q(v, "Immatriculation");
    page.photoFile = photoOf(db, v);

    ReportTable costs{"Frais de remise en état",
                      {"Date", "Libellé", "Fournisseur", "N° facture", "Type", "Montant HT"},
                      {}};
    std::map<QString, double> byType;
    double total = 0;
    for (const Values& line :
         fetch(db, "SELECT * FROM \"tVO - Frevo\" WHERE idVO = ?1 ORDER BY DateFrevo, idFrevo",
               idVO)) {
        costs.rows.push_back({q(line, "DateFrevo"), q(line, "LibelleFrevo"),
                              q(line, "NomFournisseur"), q(line, "NFacture"), q(line, "TypeFrevo"),
                              q(line, "MontantHT")});
        total += amount(line, "MontantHT");
        byType[q(line, "TypeFrevo").toLower()] += amount(line, "MontantHT");
    }
    for (const auto& [type, sum] : byType)
        costs.rows.push_back(
            {"", "Total " + type, "", "", "", QString::fromStdString(formatAmount(sum))});

    // The margins as the window computes them: VAT at 19.6 % on the difference between the
    // selling and trade-in prices, none in the second VAT mode.
    const double base = amount(v, "PrixVente") - amount(v, "PrixReprise");
    const bool secondMode = q(v, "ModeTVA") == "2";
    const double vat = secondMode ? 0 : std::round(base / 1.196 * 0.196 * 100) / 100;
    double gross = amount(v, "TPVO") + base - vat;
    if (secondMode)
        gross /= 1.196;
    const double net = gross - total - amount(v, "PrixGarantie");
    page.sections.push_back({"Prix",
                             {{"Prix de vente", euros(amount(v, "PrixVente"))},
                              {"Prix de reprise", euros(amount(v, "PrixReprise"))},
                              {"TPVO", euros(amount(v, "TPVO"))},
                              {"Prix de la garantie", euros(amount(v, "PrixGarantie"))},
                              {"Mode de TVA", secondMode ? "TVA récupérable" : "TVA sur marge"}}});
    page.sections.push_back({"Marges",
                             {{"TVA", euros(vat)},
                              {"Marge brute", euros(gross)},
                              {"Frais de remise en état", euros(total)},
                              {"Marge nette", euros(net)}}});
    page.tables.push_back(costs);
    page.note = "Date d'entrée : " + q(v, "DateEntree") +
                " - date de commande : " + q(v, "DateOrdre") +
                " - livraison : " + q(v, "DateLivraison");
    return page;
}

ReportPage clientSheet(sqlite3* db, const std::string& idClient)
{
    const auto rows = fetch(db, "SELECT * FROM tClients WHERE idClient = ?1", idClient);
    if (rows.empty())
        throw ReportUnavailable("Aucun client ne porte l'identifiant idClient=" + idClient + ".");
    const Values& c = rows.front();
    const std::string concession = q(c, "Concession").toStdString();
    ReportPage page;
    addDealership(db, page, c);
    page.title = "Fiche Ostrel - client n° " + q(c, "idClient");
    page.subtitle =
        (q(c, "CliCivilite") + " " + q(c, "CliNom").toUpper() + " " + q(c, "CliPrenom")).trimmed();
    page.sections.push_back(
        {"Coordonnées",
         {{"Adresse", (q(c, "CliAdresse1") + " " + q(c, "CliAdresse2")).trimmed()},
          {"Ville", q(c, "CliCP") + " " + q(c, "CliVille") + " (" + q(c, "CliPays") + ")"},
          {"Mobile", q(c, "CliMobile")},
          {"Téléphone", q(c, "CliTelDom")},
          {"Bureau", q(c, "CliTelBur")},
          {"Courriel", q(c, "CliEmail")}}});
    page.sections.push_back({"Profil",
                             {{"Profession", q(c, "CliProfession")},
                              {"Employeur", q(c, "CliEmployeur")},
                              {"Date de naissance", q(c, "CliDateNaissance")},
                              {"Situation", q(c, "CliSituationFamille")},
                              {"Enfants", q(c, "CliNbEnfants")},
                              {"Vendeur", staffName(db, q(c, "idCom"))},
                              {"Client depuis le", q(c, "DateCreation")}}});
    page.sections.push_back(
        {"Projet d'achat",
         {{"Prochain achat", q(c, "CliDateProchainAchat")},
          {"Marques et modèles", q(c, "PAMarque1") + " " + q(c, "PAModele1") + " / " +
                                     q(c, "PAMarque2") + " " + q(c, "PAModele2")}}});
    ReportTable vehicles{
        "Véhicules du client", {"Immatriculation", "Marque", "Modèle", "Version", "MEC", "Km"}, {}};
    for (const Values& owned :
         fetch(db, "SELECT * FROM TVehiclesOstrel WHERE idClient = ?1 ORDER BY idTVO", idClient))
        vehicles.rows.push_back({q(owned, "Immatriculation"), q(owned, "InfoMarque"),
                                 q(owned, "InfoModele"), q(owned, "InfoVersion"), q(owned, "MEC"),
                                 q(owned, "KMS")});
    ReportTable actions{
        "Suivi", {"Date", "Vendeur", "Type", "Sujet", "Commentaire", "Relance"}, {}};
    for (const Values& action :
         fetch(db, "SELECT * FROM tActions WHERE idClient = ?1 ORDER BY DateAction DESC", idClient))
        actions.rows.push_back({q(action, "DateAction"), staffName(db, q(action, "idCom")),
                                rubricAt(db, "TypeAction", q(action, "TypeAction"), concession),
                                rubricAt(db, "SujetAction", q(action, "SujetAction"), concession),
                                q(action, "CommentaireAction"), q(action, "DateRelance")});
    page.tables.push_back(vehicles);
    page.tables.push_back(actions);
    page.note = q(c, "CliObservations");
    return page;
}

std::string trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

} // namespace

ReportPage buildReport(sqlite3* db, std::string_view name, std::string_view select)
{
    const size_t eq = select.find('=');
    const std::string key = trimmed(select.substr(0, eq));
    const std::string id =
        eq == std::string_view::npos ? std::string() : trimmed(select.substr(eq + 1));
    if (!positiveId(id))
        throw ReportUnavailable("Sélection de rapport illisible : « " + std::string(select) +
                                " » (attendu idVO=N ou idClient=N).");
    const QString report = QString::fromStdString(trimmed(name)).toUpper();
    const bool byVehicle = QString::fromStdString(key).compare("idVO", Qt::CaseInsensitive) == 0;
    const bool byClient = QString::fromStdString(key).compare("idClient", Qt::CaseInsensitive) == 0;
    if (report == "FICHE OSTREL" && byClient)
        return clientSheet(db, id);
    if (report == "VO - FEUILLE DE MARGE" && byVehicle)
        return marginSheet(db, id);
    for (const char* kind : {"VO", "VD", "VN"}) {
        const QString sheet = QString(kind) + " - FICHE COMMERCIALE";
        if (byVehicle && (report == sheet || report == sheet + "2"))
            return vehicleSheet(db, id, report.endsWith('2'));
    }
    throw ReportUnavailable("Rapport inconnu : « " + std::string(name) + " » pour « " +
                            std::string(select) + " ».");
}
