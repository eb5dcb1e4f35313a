#pragma once

#include <string>

class DemoServerProcess;
class TempFolder;

// Writes the start parameters of the demo's first user into the settings file, pointed at the
// server, with the record given and the trace log off; the reply files go into the folder.
void writeDemoSettings(const DemoServerProcess& server, const TempFolder& folder,
                       const std::string& idTVO, const std::string& idClient);
