#include "bench/DemoSettings.h"

#include <cstdlib>
#include <utility>

#include <benchmark/benchmark.h>

#include "app/IniFile.h"
#include "app/Paths.h"
#include "tests/demo-server/DemoServerProcess.h"
#include "tests/support/TempFolder.h"

void writeDemoSettings(const DemoServerProcess& server, const TempFolder& folder,
                       const std::string& idTVO, const std::string& idClient)
{
    makeFolder(settingsFolder());
    const std::string base = server.baseUrl();
    const std::pair<const char*, std::string> settings[] = {{"HttpRoot", base},
                                                            {"BaseHRef", base},
                                                            {"idTVO", idTVO},
                                                            {"OCXName", "kelvaro"},
                                                            {"OCXVersion", "1,0,0,0"},
                                                            {"URLImages", server.imageUrl()},
                                                            {"idUser", "1000001"},
                                                            {"UserConcession", "BRESMAN"},
                                                            {"UserSite", "CHARTRES;DREUX;EVREUX"},
                                                            {"WhereClause", ""},
                                                            {"OrderClause", ""},
                                                            {"idClient", idClient},
                                                            {"idTypeVO", "1"},
                                                            {"Trace", "0"},
                                                            {"TraceRepTemp", folder.file("tmp")}};
    for (const auto& [key, value] : settings)
        iniWrite(SettingsFileName(), "Options", key, value);
}

void isolateBenchmark(const TempFolder& folder)
{
    isolateEnvironment(folder);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

int runRegisteredBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
