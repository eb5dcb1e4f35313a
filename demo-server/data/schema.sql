-- Tables of the demo dealership server.
-- Declared types that the documents rely on: DATE (stored 'yyyy-mm-dd', sent 'dd/mm/yyyy'),
-- MONEY (amounts, sent with a point and two decimals), BOOLEAN (stored 1/0, sent True/False).
-- Texts compare without regard to case, as in the dealerships' original database.

-- Record tables: the client reads and writes them with its own statements.

CREATE TABLE tVehicles (
    idVO INTEGER PRIMARY KEY,          -- key of the page statements, cost lines, photos, reports
    idTVO INTEGER NOT NULL UNIQUE,     -- record identifier of the address (element idtVO)
    TypeVO INTEGER,                    -- 1 used; 2 new, or demonstration when StatutVD is set
    StatutVD TEXT COLLATE NOCASE,
    Concession TEXT COLLATE NOCASE,
    Site TEXT COLLATE NOCASE,
    idOwner INTEGER,
    NVO INTEGER,
    Origine TEXT COLLATE NOCASE,
    OrigineVendeur INTEGER,
    DateEntree DATE,
    InfoMarque TEXT COLLATE NOCASE,
    InfoModele TEXT COLLATE NOCASE,
    InfoTypeVersion TEXT COLLATE NOCASE,
    InfoVersion TEXT COLLATE NOCASE,
    InfoOptions TEXT COLLATE NOCASE,
    Carrosserie TEXT COLLATE NOCASE,
    Energie TEXT COLLATE NOCASE,
    BoiteVitesse TEXT COLLATE NOCASE,
    NbPortes INTEGER,
    CV INTEGER,
    NbPlaces INTEGER,
    InfoCouleur TEXT COLLATE NOCASE,
    InfoCouleurInt TEXT COLLATE NOCASE,
    KMS INTEGER,
    Chassis TEXT COLLATE NOCASE,
    MEC DATE,
    Immatriculation TEXT COLLATE NOCASE,
    Commentaires TEXT COLLATE NOCASE,
    Destination TEXT COLLATE NOCASE,
    FlagPrepaMecanique BOOLEAN,
    FlagPrepaCarrosserie BOOLEAN,
    FlagPrepaEsthetique BOOLEAN,
    LieuStockage TEXT COLLATE NOCASE,
    PrixVente MONEY,
    PrixReprise MONEY,
    PrixCatalogue MONEY,
    CodeRemise TEXT COLLATE NOCASE,
    NomImage TEXT COLLATE NOCASE,
    TPVO MONEY,
    TypeGarantie TEXT COLLATE NOCASE,
    DureeGarantie TEXT COLLATE NOCASE,
    PrixGarantie MONEY,
    DateValidationGarantie DATE,
    ModeTVA INTEGER,
    cTVA MONEY,
    MBrute MONEY,
    MNette MONEY,
    DateOrdre DATE,
    Vendeur INTEGER,
    MtComVendeur MONEY,
    CommentaireReprise TEXT COLLATE NOCASE,
    MontantReprise MONEY,
    Intermediaire TEXT COLLATE NOCASE,
    MtComIntermediaire MONEY,
    Acheteur TEXT COLLATE NOCASE,
    CP TEXT COLLATE NOCASE,
    DateDisponibilite DATE,
    DateLivraison DATE,
    FlagEligible BOOLEAN,
    TypeFinancement TEXT COLLATE NOCASE,
    TypeFinancementDelai TEXT COLLATE NOCASE,
    VFinancement MONEY,
    DatePresFinancement DATE,
    Financeur TEXT COLLATE NOCASE,
    ComFinPrevue MONEY,
    DatePaiement DATE,
    ComFinRecue MONEY,
    NbCles INTEGER,
    FlagNonDiffuse BOOLEAN,
    Utilisateur TEXT COLLATE NOCASE,
    InfoEquiInterieur TEXT COLLATE NOCASE,
    InfoEquiExterieur TEXT COLLATE NOCASE,
    InfoEquiSecurite TEXT COLLATE NOCASE,
    InfoComplement TEXT COLLATE NOCASE,
    StatutVN TEXT COLLATE NOCASE,
    DateUpdateCde DATE,
    DateCdeVW DATE,
    DateFabrication DATE,
    DateDeclareLivre DATE,
    DateFacture DATE,
    DateDebutGarantie DATE,
    CFMemo TEXT COLLATE NOCASE,
    DateLivrMaxi DATE,
    ReprNVO INTEGER,
    ReprMarque TEXT COLLATE NOCASE,
    ReprModele TEXT COLLATE NOCASE,
    ReprPrix MONEY,
    DateAnnulation DATE,
    DateAchat DATE,
    MontantAchat MONEY,
    DateEcheance DATE,
    SituationAchat TEXT COLLATE NOCASE,
    DateEchTresorerie DATE,
    DateEchReglement DATE,
    DateRecPaiement DATE,
    DateRecFinancement DATE,
    MontantAcompte MONEY,
    Solde MONEY
);

-- Reconditioning costs of a vehicle.
CREATE TABLE "tVO - Frevo" (
    idFrevo INTEGER PRIMARY KEY,
    idVO INTEGER,
    DateFrevo DATE,
    LibelleFrevo TEXT COLLATE NOCASE,
    NComptable TEXT COLLATE NOCASE,
    NomFournisseur TEXT COLLATE NOCASE,
    NFacture TEXT COLLATE NOCASE,
    TypeFrevo TEXT COLLATE NOCASE,
    MontantHT MONEY
);

-- Photos attached to a vehicle; the files are in the image folder.
CREATE TABLE "tVO - Liens Images" (
    idImage INTEGER PRIMARY KEY,
    idVO INTEGER,
    NumImage INTEGER,
    NomImage TEXT COLLATE NOCASE,
    DateImage TEXT
);

CREATE TABLE tClients (
    idClient INTEGER PRIMARY KEY,
    DateCreation DATE,
    Concession TEXT COLLATE NOCASE,
    Site TEXT COLLATE NOCASE,
    idOwner INTEGER,
    idCom INTEGER,
    CliCivilite TEXT COLLATE NOCASE,
    CliOrigine TEXT COLLATE NOCASE,
    CliNom TEXT COLLATE NOCASE,
    CliPrenom TEXT COLLATE NOCASE,
    CliAdresse1 TEXT COLLATE NOCASE,
    CliAdresse2 TEXT COLLATE NOCASE,
    CliCP TEXT COLLATE NOCASE,
    CliVille TEXT COLLATE NOCASE,
    CliPays TEXT COLLATE NOCASE,
    CliObservations TEXT COLLATE NOCASE,
    CliEmail TEXT COLLATE NOCASE,
    CliMobile TEXT COLLATE NOCASE,
    CliTelDom TEXT COLLATE NOCASE,
    CliTelBur TEXT COLLATE NOCASE,
    CliProfession TEXT COLLATE NOCASE,
    CliEmployeur TEXT COLLATE NOCASE,
    CliDateNaissance DATE,
    CliSituationFamille TEXT COLLATE NOCASE,
    CliNbEnfants INTEGER,
    CliDateProchainAchat DATE,
    PATypeVO TEXT COLLATE NOCASE,
    PASegment TEXT COLLATE NOCASE,
    PACarrosserie TEXT COLLATE NOCASE,
    PAEnergie TEXT COLLATE NOCASE,
    PAChoix1 TEXT COLLATE NOCASE,
    PAChoix2 TEXT COLLATE NOCASE,
    PAMarque1 TEXT COLLATE NOCASE,
    PAModele1 TEXT COLLATE NOCASE,
    PAMarque2 TEXT COLLATE NOCASE,
    PAModele2 TEXT COLLATE NOCASE,
    PADateSpirit DATE
);

-- Follow-up actions of a client.
CREATE TABLE tActions (
    idAction INTEGER PRIMARY KEY,
    idClient INTEGER,
    DateAction DATE,
    idCom INTEGER,
    TypeAction INTEGER,
    SujetAction INTEGER,
    CommentaireAction TEXT COLLATE NOCASE,
    DateRelance DATE,
    idComRelance INTEGER,
    SujetRelance INTEGER,
    PrioriteRelance INTEGER
);

-- Vehicles a client owns (the loyalty programme's vehicles).
CREATE TABLE TVehiclesOstrel (
    idTVO INTEGER PRIMARY KEY,         -- element idtVO
    NVO INTEGER,
    idClient INTEGER,
    idOwner INTEGER,
    Concession TEXT COLLATE NOCASE,
    Acheteur TEXT COLLATE NOCASE,
    TypeVO INTEGER,
    DateOrdre DATE,
    InfoMarque TEXT COLLATE NOCASE,
    InfoModele TEXT COLLATE NOCASE,
    InfoVersion TEXT COLLATE NOCASE,
    InfoTypeVersion TEXT COLLATE NOCASE,
    Site TEXT COLLATE NOCASE,
    MEC DATE,
    Immatriculation TEXT COLLATE NOCASE,
    KMS INTEGER,
    DateFinGarantie DATE,
    TypeFinancement TEXT COLLATE NOCASE,
    MensualiteFinancement INTEGER,
    AbbrFinancement TEXT COLLATE NOCASE,
    DateFinFinancement DATE,
    LieuEntretien1 TEXT COLLATE NOCASE,
    LieuEntretien2 TEXT COLLATE NOCASE,
    DateLastSAV DATE,
    KmLastSAV INTEGER,
    DateNextSAV DATE,
    KmNextSAV INTEGER,
    SatisfVehicle TEXT COLLATE NOCASE,
    SatisfSAV TEXT COLLATE NOCASE
);

-- Lists maintained from the client.

-- General choice lists: RubricItem '..' for every dealership, else the dealership's code.
CREATE TABLE ListRubrics (
    RubricType TEXT COLLATE NOCASE NOT NULL,
    RubricIndex INTEGER,
    RubricItem TEXT COLLATE NOCASE,
    RubricText TEXT COLLATE NOCASE
);

-- Makes and models of used vehicles.
CREATE TABLE ListModels (
    VMarque TEXT COLLATE NOCASE,
    VModele TEXT COLLATE NOCASE
);

-- Makes, models and version types of new vehicles, per dealership.
CREATE TABLE ListVersions (
    VMarque TEXT COLLATE NOCASE,
    VModele TEXT COLLATE NOCASE,
    VVersion TEXT COLLATE NOCASE,
    VConcession TEXT COLLATE NOCASE
);

-- Tables of the server only: no client statement reaches them.

CREATE TABLE tConcessions (
    Concession TEXT COLLATE NOCASE PRIMARY KEY,
    RaisonSociale TEXT,
    Adresse TEXT,
    CodePostal TEXT,
    Ville TEXT,
    Telephone TEXT
);

CREATE TABLE tSites (
    Concession TEXT COLLATE NOCASE NOT NULL,
    Site TEXT COLLATE NOCASE NOT NULL,
    Marques TEXT COLLATE NOCASE,
    MontantFraisDossier MONEY,
    Adresse TEXT,
    Ville TEXT,
    PRIMARY KEY (Concession, Site)
);

-- Salespeople and buyers; Site lists the sites they work for, separated by ";".
CREATE TABLE tStaff (
    idCom INTEGER PRIMARY KEY,
    cNom TEXT COLLATE NOCASE,
    Site TEXT COLLATE NOCASE,
    Concession TEXT COLLATE NOCASE,
    Fonction TEXT
);

-- Users of the client: UserSite lists the sites they may edit ("#" for all), US1 is the site
-- proposed for their new records.
CREATE TABLE tUsers (
    idUser INTEGER PRIMARY KEY,
    Name_ TEXT,
    Concession TEXT COLLATE NOCASE,
    UserSite TEXT COLLATE NOCASE,
    US1 TEXT COLLATE NOCASE
);

CREATE TABLE tUserGroups (
    idUser INTEGER NOT NULL,
    GName TEXT COLLATE NOCASE NOT NULL,
    PRIMARY KEY (idUser, GName)
);

-- Date limits of entry and the lock date of delivered vehicles, per dealership.
CREATE TABLE tOptDates (
    Concession TEXT COLLATE NOCASE PRIMARY KEY,
    Opt_LimiteDateDeb DATE,
    Opt_LimiteDateDebFrevo DATE,
    Opt_LimiteDateDebOstrel DATE,
    Opt_LimiteDateVerrouVNVO DATE
);

-- Option lists (equipment, options, purchase plans): a code and a text per option.
CREATE TABLE ListOptions (
    ListName TEXT NOT NULL,
    Position INTEGER,
    Abbr TEXT,
    eText TEXT
);

-- The structure document, item by item in document order.
CREATE TABLE axStruct (
    Position INTEGER PRIMARY KEY,
    descInfo TEXT,
    idNum INTEGER,
    txtInfo TEXT,
    vInfo TEXT,
    tag TEXT,
    defval TEXT,
    tControl INTEGER,
    tInfo INTEGER,
    "left" INTEGER,
    "top" INTEGER,
    width INTEGER,
    height INTEGER,
    length INTEGER,
    color INTEGER,
    "notNull" TEXT,
    enabled INTEGER,
    fieldInfo TEXT
);

CREATE TABLE tReservations (
    idResa INTEGER PRIMARY KEY,
    idVO INTEGER,
    DResaMax DATE,
    Vendeur TEXT,
    Acheteur TEXT,
    Commentaire TEXT
);

-- The number of generated vehicles and clients added by --grow.
CREATE TABLE tDemoGrowth (
    Figure INTEGER NOT NULL
);

-- Messages received by the SMS gateway.
CREATE TABLE tSmsMessages (
    idSms INTEGER PRIMARY KEY,
    DateEnvoi TEXT,
    destinataire TEXT,
    texte TEXT
);

CREATE INDEX FrevoByVehicle ON "tVO - Frevo" (idVO);
CREATE INDEX ImagesByVehicle ON "tVO - Liens Images" (idVO);
CREATE INDEX ActionsByClient ON tActions (idClient);
CREATE INDEX OwnedByClient ON TVehiclesOstrel (idClient);

-- What the searches and the duplicate counts look up: an exact value finds its rows at once, and
-- a search lists its first rows in the order of its key without sorting the table.
CREATE INDEX VehiclesByRegistration ON tVehicles (Immatriculation, DateOrdre DESC);
CREATE INDEX VehiclesByBuyer ON tVehicles (Acheteur, DateOrdre DESC);
CREATE INDEX VehiclesByNumber ON tVehicles (NVO, DateOrdre DESC);
CREATE INDEX OwnedByRegistration ON TVehiclesOstrel (Immatriculation, DateOrdre DESC);
CREATE INDEX ClientsByName ON tClients (CliNom, CliPrenom, idClient DESC);
CREATE INDEX ClientsByMobile ON tClients (CliMobile, idClient DESC);
CREATE INDEX ClientsByHomePhone ON tClients (CliTelDom, idClient DESC);
