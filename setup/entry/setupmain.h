// The program entry of setup.exe: after the application frame has read the
// command line, SetupMain initialises the frame (title, language library),
// honours "AUTODIR", loads the optional hook library SETUPHOOK, runs exactly
// one mode and releases the library again.
#pragma once

enum class SETUPMODE { Install, Uninstall, Order };

// The mode the arguments ask for: "ORDER" (any switch beginning with it)
// before "REMOVE", otherwise install.
SETUPMODE ChooseSetupMode();

// The three modes' entries; SetupMain uses the real drivers.
struct SETUPMODES {
  int (*Install)();
  int (*Uninstall)(const char* programPath);
  int (*Order)();
};

// SetupMain with the given mode entries; 0 in every case.
int SetupMainWith(const SETUPMODES& modes, int argc, char** argv);

int SetupMain(int argc, char** argv);
