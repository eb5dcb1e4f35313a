// The search panel and the duplicate counts on a dealership group's database: the real window on
// the offscreen platform against the demo server on the loopback, grown to 100 000 vehicles and
// 100 000 clients (built once in a temporary folder), and on the sample data alone. A search is
// timed from its statement to the rows in the result grid, a count from its request to the text
// of its box.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTimer>

#include "bench/DemoSettings.h"
#include "tests/demo-server/DemoServerProcess.h"
#include "tests/support/TempFolder.h"
#include "ui/Fonts.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"

namespace {

constexpr long long kGroupSize = 100'000;

TAxKelvaro* window = nullptr;

struct Search {
    const char* name;
    int type;
    const char* text;
    bool exact = false;
};

// A typical text of each type, the empty text, and texts that few or no records contain (every
// row is then read).
const Search kSearches[] = {
    {"1-immat/AB", 1, "AB"},
    {"1-immat/vide", 1, ""},
    {"1-immat/rare", 1, "ZZ9"},
    {"1-immat/exacte", 1, "FG528KL", true},
    {"2-acheteur/MARTIN", 2, "MARTIN"},
    {"2-acheteur/vide", 2, ""},
    {"2-acheteur/rare", 2, "QWERTY"},
    {"3-nvo/100", 3, "100"},
    {"3-nvo/vide", 3, ""},
    {"4-immat-client/AB", 4, "AB"},
    {"4-immat-client/vide", 4, ""},
    {"4-immat-client/rare", 4, "ZZ9"},
    {"5-nom/DUP", 5, "DUP"},
    {"5-nom/vide", 5, ""},
    {"5-nom/rare", 5, "QWERTY"},
    {"5-nom/exacte", 5, "DUPONT", true},
    {"6-mobile/0612", 6, "0612"},
    {"6-mobile/vide", 6, ""},
    {"6-mobile/rare", 6, "99999"},
    {"7-teldom/0237", 7, "0237"},
    {"7-teldom/vide", 7, ""},
    {"7-teldom/rare", 7, "99999"},
};

// Chooses the search type as its selector does, for a vehicle or a client record.
void chooseType(TAxKelvaro& w, int type)
{
    w.RecordKind = type >= 4 ? "_TCL" : "_TVO";
    switch (type) {
    case 1:
    case 4:
        w.BtnActivate(w.TSLbImmat, w.TSImmat);
        break;
    case 2:
    case 5:
        w.BtnActivate(w.TSLbClient, w.TSClient);
        break;
    case 3:
        w.BtnActivate(w.TSLbNVO, w.TSNVO);
        break;
    case 6:
        w.BtnActivate(w.TSLbMobile, w.TSMobile);
        break;
    default:
        w.BtnActivate(w.TSLbTelephone, w.TSTelephone);
    }
}

void search(benchmark::State& state, const std::string& base, Search s)
{
    TAxKelvaro& w = *window;
    w.BaseHRef = QString::fromStdString(base);
    chooseType(w, s.type);
    w.ncbSearch->setText(QString::fromLatin1(s.text));
    w.SearchCountdown = 0;
    for (auto _ : state) {
        w.ExactSearch = s.exact;
        w.HttpGetSearchInfo(0);
        if (!w.LbDebugInfo0->text().isEmpty()) {
            state.SkipWithError(w.LbDebugInfo0->text().toStdString().c_str());
            return;
        }
    }
    state.counters["lignes"] = w.ngSearch->rowCount();
}

struct Count {
    const char* name;
    const char* kind;
};
const Count kCounts[] = {
    {"Nom", "Nom"}, {"Ident", "Ident"}, {"TelDom", "TelDom"}, {"Mobile", "Mobile"}};

void count(benchmark::State& state, const std::string& base, Count c)
{
    TAxKelvaro& w = *window;
    w.BaseHRef = QString::fromStdString(base);
    // Filled as a loaded record is, without the change handlers.
    w.FlagLoading = true;
    w.aCliNom->setText("MARTIN");
    w.aCliPrenom->setText("Sylvie");
    w.aCliTelDom->setText("0290166198");
    w.aCliMobile->setText("0690404353");
    w.FlagLoading = false;
    w.DupCountdown = 0;
    TextEdit* box = w.dblBoxOf(c.kind);
    box->setVisible(true);
    for (auto _ : state) {
        w.DblKind = c.kind;
        box->setText("??");
        w.HttpGetDblInfo();
        if (box->text() == "??") {
            state.SkipWithError("le compte n'est pas arrivé");
            return;
        }
    }
    state.counters["compte"] = box->text().toDouble();
}

void registerAll(const char* database, const std::string& base)
{
    for (const Search& s : kSearches)
        benchmark::RegisterBenchmark((std::string("recherche/") + database + "/" + s.name).c_str(),
                                     [base, s](benchmark::State& state) { search(state, base, s); })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    for (const Count& c : kCounts)
        benchmark::RegisterBenchmark((std::string("doublons/") + database + "/" + c.name).c_str(),
                                     [base, c](benchmark::State& state) { count(state, base, c); })
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    TempFolder folder;
    isolateBenchmark(folder);

    // The grown database, made once for this run in the temporary folder.
    DemoServerProcess grown(folder.file("grown"), 0, {"--grow", std::to_string(kGroupSize)});
    DemoServerProcess sample;

    writeDemoSettings(sample, folder, "", "2001");

    QApplication application(argc, argv);
    installFontSubstitutes();
    TAxKelvaro w;
    window = &w;
    // The benchmark runs the searches itself: no timer, no first load.
    w.Timer1->stop();
    w.StartDone = 1;
    w.show();

    registerAll("100000", grown.baseUrl());
    registerAll("exemples", sample.baseUrl());
    return runRegisteredBenchmarks(argc, argv);
}
