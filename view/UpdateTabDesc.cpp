// The tabs of the record shown, built from the structure document: the record kind and rights,
// which tabs exist, and the values of every field.
#include "ui/TAxKelvaro.h"

#include <QLabel>
#include <QTabWidget>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "app/Numbers.h"
#include "app/Paths.h"
#include "server/Endpoints.h"
#include "ui/ColorValues.h"
#include "ui/controls/AllKinds.h"
#include "view/CaseText.h"
#include "view/RecordRules.h"
#include "view/StructureDoc.h"

namespace {

QString yesNo(bool flag)
{
    return flag ? "-1" : "0";
}

// A document file, or an empty document when the file is absent.
TXml optionalDocument(const std::string& path)
{
    return fileExists(path) ? TXml(LoadTextFile(path)) : TXml();
}

} // namespace

QWidget* TAxKelvaro::entryPage(int entry) const
{
    QWidget* const pages[] = {Sheet01, Sheet02, Sheet03, Sheet04, Sheet05,
                              Sheet06, Sheet07, Sheet08, Sheet09};
    return entry >= 1 && entry <= 9 ? pages[entry - 1] : nullptr;
}

void TAxKelvaro::readRecordKindAndRights(TXml& root)
{
    const bool hasClient = !LbIDCustomer->text().isEmpty();
    RecordTypeVO = XmlText(root, "TypeVO");
    RecordKind =
        recordKind(hasClient, XmlChild(root, "TypeVO"), XmlText(root, "StatutVD"), idTypeVO);
    const QString caption = fromCp1252(kindCaption(RecordKind));
    JvXPBtnNewVO->setText(caption);

    const unsigned background = RecordKind == "_TVD" ? 7756236u : 15745088u;
    const unsigned text = RecordKind == "_TCL" ? color::None : 0u;
    for (ControlFace* box : std::initializer_list<ControlFace*>{
             xcInfoTitre, xcInfoNVO, xcIdentity, xcInfoField1, xcInfoField2, xcInfoField3}) {
        box->setDisabledColors(background, text);
        box->setText(QString());
    }
    // A new record shows its duplicate boxes; a box the user asked for stays shown.
    for (TextEdit* marker : {DblMobile, DblTelDom, DblIdent, DblNom})
        marker->setVisible(FlagNewEnreg || dblBoxRevealed(marker));
    xcIdentity->setVisible(RecordKind == "_TCL");

    const std::string idtVO = XmlText(root, "idtVO");
    if (!idtVO.empty())
        LbIdTVO->setText(fromCp1252(idtVO));
    const long long client = parseWholeNumber(toCp1252(LbIDCustomer->text())).value_or(0);
    JvXPBtnNewVehicle->setEnabled(caption == "CL" && client > 0);
    JvXPBtnPrint->setEnabled((caption != "VN" && !idtVO.empty()) || caption == "CL");
}

TXml TAxKelvaro::valueCursor(int entry, const TXml& root)
{
    if (entry != 8)
        return root;
    TXml vehicles = ClientDoc;
    XmlFind(vehicles, "TVehS");
    VehicleExists = XmlNext(vehicles, "TVeh") > 0 ? 1 : 0;
    for (int i = 0; i < VehicleIndex && XmlNext(vehicles, "TVeh") > 0; ++i) {
    }
    if (VehicleIndex == -1)
        VehicleExists = -1;
    return vehicles;
}

void TAxKelvaro::UpdateTabDesc(bool reloadDocuments, bool describe)
{
    WriteTrace("dans UpdateTabDesc : 1");
    Panel1->hide();
    RecordDoc.clear();

    const QString client = LbIDCustomer->text();
    if (!client.isEmpty() && client != "-1") {
        ClientDoc = optionalDocument(replyPath(replyfile::CL));
        RecordDoc = ClientDoc;
    } else {
        RecordDoc = optionalDocument(replyPath(replyfile::VO));
    }
    if (reloadDocuments) {
        // Without the lists and the structure there is nothing to build: the refresh stops here.
        ListsDoc = TXml(LoadTextFile(replyPath(replyfile::Equip)));
        StructDoc = TXml(LoadTextFile(replyPath(replyfile::Struct)));
        ListsCursor = ListsDoc;
        ListsIndex = ListSourceMaker(ListsDoc);
        FirstTab = 0;
    }

    WriteTrace("dans UpdateTabDesc : 2");
    TXml user = RecordDoc;
    XmlFind(user, "User");
    auto keep = [&user](const char* name, QString& target) {
        if (const auto value = XmlChild(user, name))
            target = fromCp1252(*value);
    };
    keep("UserConcession", UserConcession);
    keep("UserSite", UserSite);
    keep("Name_", UserName);
    keep("US1", DefaultSite);

    if (LimitDateStart == 0) {
        const OptionDates dates = readOptionDates(RecordDoc);
        LimitDateStart = dates.start;
        LimitDateStartFrevo = dates.startFrevo;
        LimitDateStartOstrel = dates.startOstrel;
        LockDate = dates.lock;
        ServerToday = dates.today;
        LimitDateEnd = dates.valid ? ServerToday : 0;
    }

    const char* rootName = client.isEmpty() ? "tVO" : "TVC";
    TXml root = RecordDoc;
    XmlFind(root, rootName);
    readRecordKindAndRights(root);
    WriteTrace("on UpdateTabDesc : " + QString::number(idTypeVO) + " - " + LbIdTVO->text());
    WriteTrace("dans UpdateTabDesc : 3");

    RecordSite = upperCp1252(XmlText(root, "Site"));
    RecordOwner = upperCp1252(XmlText(root, "idOwner"));
    FlagSiteRights = siteRights(toCp1252(UserSite), RecordSite, RecordOwner, toCp1252(idUser));
    FlagEditable = FlagSiteRights || RecordKind == "_TCL";
    RecordPhotoName.clear();
    if (RecordKind != "_TCL" && FlagSiteRights) {
        if (lockedByDelivery(XmlText(root, "DateLivraison"), LockDate))
            FlagEditable = false;
        FlagSiteRights = FlagEditable;
        RecordPhotoName = XmlText(root, "NomImage");
    }
    if (FlagNewEnreg) {
        // A record being created belongs to nobody else and was never delivered.
        FlagSiteRights = true;
        FlagEditable = true;
    }
    ComptaRight = GetDataRights(";COMPTA;");
    OstrelRight = GetDataRights(";OSTREL;");
    FlagSuperAdmin = GetDataRights(";SUPERADMINS;");
    // Only the loyalty group adds vehicles to a client.
    if (!OstrelRight)
        JvXPBtnNewVehicle->setEnabled(false);
    if (XmlText(root, "Concession") != toCp1252(UserConcession) && !FlagNewEnreg) {
        // A record of another dealership is shown with no data.
        RecordDoc.clear();
        ClientDoc.clear();
        root = TXml();
    }
    // The cost total the margins start from; empty for a record shown without its data.
    FrevoTotal = XmlText(root, "Frevo");

    Cascade = CascadeMemory();
    if (describe) {
        for (int n = 0; n < kPageEntries; ++n) {
            WriteTrace("dans UpdateTabDesc : 4");
            TsPage& page = TabDesc[n];
            page.ContentsLoaded = false;
            const auto tab = findTabDescription(StructDoc, RecordKind, n);
            if (tab) {
                if (n > 0) {
                    WriteTrace("Ajout desc Onglet : " + QString::number(n));
                    page.TabSheet = entryPage(n);
                    Tabs->setTabText(n - 1, fromCp1252(tab->caption));
                    Tabs->setTabVisible(n - 1, true);
                }
                page.PageIndex = n - 1;
                page.DataKey = tab->dataKey;
                page.TableName = tab->tableName;
                page.NamePrefix = tab->namePrefix;
                page.Described = true;
                if (FirstTab == 0 && n > 0) {
                    FirstTab = n;
                    Tabs->setCurrentIndex(n - 1);
                }
            } else {
                if (n > 0)
                    Tabs->setTabVisible(n - 1, false);
                page.Described = false;
            }
        }
        showDescribedPage();
    }

    for (int n = 0; n < kPageEntries; ++n) {
        TsPage& page = TabDesc[n];
        WriteTrace("Trait. desc Onglet : " + QString::number(n) + " " + yesNo(page.Described) +
                   " " + yesNo(page.Processed));
        if (page.Described && page.Processed)
            refreshEntry(n, valueCursor(n, root));
    }
    for (int n = 0; n < kPageEntries; ++n) {
        TsPage& page = TabDesc[n];
        WriteTrace("premier Ajout desc Onglet : " + QString::number(n) + " " +
                   yesNo(page.Described) + " " + yesNo(page.Processed));
        if (page.Described && !page.Processed)
            describeEntry(n, valueCursor(n, root));
    }

    UpdateTVAetMarges();
    updateGuaranteeFields();
    if (client == "-1")
        FlagNewEnreg = true;
    WriteTrace(QString("UpdateTabDesc FlagNewEnreg -> ") + yesNo(FlagNewEnreg) + " - " +
               xcInfoNVO->text() + " - " + client);
    if (RecordKind == "_TCL") {
        ShowIdentity();
    } else {
        setInfoTitre();
        setInfoNVO();
        ControlFace* number = RecordKind == "_TVO"   ? static_cast<ControlFace*>(cNVO)
                              : RecordKind == "_TVD" ? static_cast<ControlFace*>(cVDNVO)
                                                     : static_cast<ControlFace*>(cVNNVO);
        ControlFace* site = RecordKind == "_TVO"   ? static_cast<ControlFace*>(cSite)
                            : RecordKind == "_TVD" ? static_cast<ControlFace*>(cVDSite)
                                                   : static_cast<ControlFace*>(cVNSite);
        // A vehicle whose photos are named after its number and site keeps both; the binding
        // has already disabled them for a user without the field's right.
        number->setEnabled(number->isEnabled() && RecordPhotoName.empty());
        site->setEnabled(site->isEnabled() && RecordPhotoName.empty());
        if (RecordKind == "_TVO")
            czFeuilleMarge->setEnabled(true);
    }
    if (RecordKind == "_TVD")
        LastType = toCp1252(cVDInfoTypeVersion->text());
    else if (RecordKind == "_TVN")
        LastType = toCp1252(cVNInfoTypeVersion->text());
    setInfoField1();
    setInfoField2();
    setInfoField3();
    if (describe) {
        // Another record is on screen: what the window said of the last one no longer holds.
        FlagKeyLost = false;
        Uncertain = UncertainInsert::None;
        Shown = {true, LbIdTVO->text(), LbIDCustomer->text(), FlagNewEnreg, FlagNewVehicle};
    }
    hideSplash();
}

void TAxKelvaro::showDescribedPage()
{
    const int active = Tabs->currentIndex();
    if (active >= 0 && active + 1 < kPageEntries && TabDesc[active + 1].Described)
        return;
    for (int n = 1; n < kPageEntries; ++n) {
        if (TabDesc[n].Described) {
            Tabs->setCurrentIndex(n - 1);
            return;
        }
    }
}

void TAxKelvaro::refreshEntry(int entry, const TXml& values)
{
    TsPage& page = TabDesc[entry];
    WriteTrace("p2 Traitement desc Onglet : " + QString::number(entry));
    FlagLoading = true;
    for (size_t i = 0; i < page.Fields.size(); ++i) {
        TsDesc& field = page.Fields[i];
        WriteTrace("p3 Ajout desc Onglet : " + QString::number(entry) + " - " + QString::number(i));
        readFieldValue(entry, field, values);
        if (field.Width != 0 && field.Control &&
            (field.CtrlKind == 109 || field.CtrlKind == 110 || field.CtrlKind == 111 ||
             field.CtrlKind == 112))
            fillField(entry, int(i), field, false);
        updateRequiredMarker(field);
    }
    FlagLoading = false;
    TestPageUpdate(entry);
    page.Processed = true;
}

void TAxKelvaro::describeEntry(int entry, const TXml& values)
{
    TsPage& page = TabDesc[entry];
    FlagLoading = true;
    WriteTrace("p2 Ajout desc Onglet : " + fromCp1252(page.DataKey));
    page.Fields = fieldDescriptions(StructDoc, page.DataKey);
    for (size_t k = 0; k < page.Fields.size(); ++k) {
        TsDesc& field = page.Fields[k];
        WriteTrace("z2 Ajout desc Onglet : " + fromCp1252(page.DataKey) + " - " +
                   fromCp1252(field.FieldName));
        readFieldValue(entry, field, values);
        bindField(entry, int(k), field);
    }
    FlagLoading = false;
    TestPageUpdate(entry);
    page.Processed = true;
}

bool TAxKelvaro::fieldRights(int entry, const TsDesc& field)
{
    if (entry == 8 && VehicleExists == 0)
        return false;
    return GetDataRights(field.Rights);
}

void TAxKelvaro::readFieldValue(int entry, TsDesc& field, const TXml& values)
{
    const bool fresh = FlagNewEnreg || (FlagNewVehicle && entry == 8);
    const std::string& source = field.SourceName.empty() ? field.FieldName : field.SourceName;
    const std::string raw = fresh ? field.DefVal : XmlText(values, source);
    const std::string value = transformValue(raw, field.CtrlKind, field.InfoType, todayDay());
    field.OrgValue = fresh ? std::string() : value;
    field.Value = value;
}
