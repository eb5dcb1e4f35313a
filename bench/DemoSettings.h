#pragma once

#include <string>

class DemoServerProcess;
class TempFolder;

// The window benchmarks run on the offscreen platform, with their settings, reply files and
// traces in the folder given, never the user's.
void isolateBenchmark(const TempFolder& folder);
// Runs the benchmarks registered, with the program's arguments; the exit status.
int runRegisteredBenchmarks(int argc, char** argv);

// Writes the start parameters of the demo's first user into the settings file, pointed at the
// server, with the record given and the trace log off; the reply files go into the folder.
void writeDemoSettings(const DemoServerProcess& server, const TempFolder& folder,
                       const std::string& idTVO, const std::string& idClient);
