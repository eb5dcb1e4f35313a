// The first refresh of a used vehicle and of a client: the demo server's documents as they are,
// and with a lists document grown to 2 MB; the lists read through their index and by scanning the
// document for every field.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "app/IniFile.h"
#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/demo-server/DemoServerProcess.h"
#include "tests/support/TempFolder.h"
#include "ui/TAxKelvaro.h"

namespace {

struct Documents {
    std::string lists, structure, vehicle, client;
};

TempFolder& scratch()
{
    static TempFolder folder;
    return folder;
}

// The documents of the demo server, fetched once.
const Documents& demoDocuments()
{
    static const Documents documents = [] {
        DemoServerProcess server;
        ClientSession session;
        const std::string base = server.baseUrl();
        Documents d;
        auto text = [&](const std::string& url, const std::string& client = {}) {
            return std::string(session.fetch(url, client).Doc());
        };
        d.lists = text(endpoint::infoEquip(base, "BRESMAN"));
        d.structure = text(endpoint::infoStruct(base, "BRESMAN"));
        d.vehicle = text(endpoint::infoVO(base, "1001", "1000001"));
        d.client = text(endpoint::infoCL(base, "1000001"), "2001");
        return d;
    }();
    return documents;
}

// The lists document with other dealerships' general lists in front of the real ones, up to 2 MB.
std::string grownLists(const std::string& lists)
{
    std::string extra;
    for (int n = 0; extra.size() < 2 * 1024 * 1024 - lists.size(); ++n)
        extra += "<Pars><type>AUTRE" + std::to_string(n % 400) + "</type><text>Libell\xe9 " +
                 std::to_string(n) + "</text></Pars>";
    std::string grown = lists;
    const size_t at = grown.find("<ParsS>");
    if (at != std::string::npos)
        grown.insert(at + 7, extra);
    return grown;
}

void firstRefresh(benchmark::State& state, bool client, bool grown, bool scanning)
{
    const Documents& d = demoDocuments();
    const std::string folder = scratch().path();
    writeFile(folder + "/tmp/XmlEquip.xml", grown ? grownLists(d.lists) : d.lists);
    writeFile(folder + "/tmp/XmlStruct.xml", d.structure);
    writeFile(folder + "/tmp/XmlVO.xml", d.vehicle);
    writeFile(folder + "/tmp/XmlCL.xml", d.client);
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<TAxKelvaro>();
        window->Timer1->stop();
        window->LbIdTVO->setText(client ? "" : "1001");
        window->LbIDCustomer->setText(client ? "2001" : "");
        if (scanning)
            window->ListSourceMaker = [](const TXml& lists) {
                return std::make_unique<ScanningLists>(lists);
            };
        state.ResumeTiming();
        window->UpdateTabDesc(true, true);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void usedVehicle(benchmark::State& s)
{
    firstRefresh(s, false, false, false);
}
void usedVehicleScanning(benchmark::State& s)
{
    firstRefresh(s, false, false, true);
}
void usedVehicleGrown(benchmark::State& s)
{
    firstRefresh(s, false, true, false);
}
void usedVehicleGrownScanning(benchmark::State& s)
{
    firstRefresh(s, false, true, true);
}
void client(benchmark::State& s)
{
    firstRefresh(s, true, false, false);
}
void clientScanning(benchmark::State& s)
{
    firstRefresh(s, true, false, true);
}
void clientGrown(benchmark::State& s)
{
    firstRefresh(s, true, true, false);
}
void clientGrownScanning(benchmark::State& s)
{
    firstRefresh(s, true, true, true);
}

} // namespace

BENCHMARK(usedVehicle)->Unit(benchmark::kMillisecond);
BENCHMARK(usedVehicleScanning)->Unit(benchmark::kMillisecond);
BENCHMARK(usedVehicleGrown)->Unit(benchmark::kMillisecond);
BENCHMARK(usedVehicleGrownScanning)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(client)->Unit(benchmark::kMillisecond);
BENCHMARK(clientScanning)->Unit(benchmark::kMillisecond);
BENCHMARK(clientGrown)->Unit(benchmark::kMillisecond);
BENCHMARK(clientGrownScanning)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    // The window on the offscreen platform, with private settings and reply folders.
    const std::string folder = scratch().path();
    for (const char* sub : {"config", "tmp", "runtime"})
        std::filesystem::create_directories(folder + "/" + sub);
    std::filesystem::permissions(folder + "/runtime", std::filesystem::perms::owner_all);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (folder + "/runtime").c_str(), 1);
    std::filesystem::create_directories(folder + "/config/Kelvaro");
    const std::string settings = folder + "/config/Kelvaro/TAXKelvaro.ini";
    iniWrite(settings, "Options", "TraceRepTemp", folder + "/tmp");
    iniWrite(settings, "Options", "idUser", "1000001");
    iniWrite(settings, "Options", "UserConcession", "BRESMAN");
    iniWrite(settings, "Options", "UserSite", "CHARTRES;DREUX;EVREUX");
    iniWrite(settings, "Options", "idTypeVO", "1");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
