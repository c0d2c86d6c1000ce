// Gives the current Wine prefix a printer of its own: Wine's PostScript
// driver with a file port, no print daemon. Every page printed on it lands
// as PostScript in the file named on the command line, which becomes the
// default printer "Halvix Test Printer".
//
//   addprinter.exe OUTFILE     (a Windows path, e.g. Z:\tmp\out.ps)
//
// Exit code 0 when the printer is the default, else the step that failed.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>

namespace {

const char* const PrinterName = "Halvix Test Printer";
const char* const DriverName = "Halvix Test PostScript";

int Fail(int step, const char* what) {
  std::fprintf(stderr, "addprinter: %s failed (error %lu)\n", what, GetLastError());
  return step;
}

// The PPD that winspool.drv carries as resource 1 of type PPDFILE, written
// next to the output file.
bool WritePpd(const std::string& path) {
  HMODULE spool = LoadLibraryExA("winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (spool == nullptr) return false;
  HRSRC found = FindResourceA(spool, MAKEINTRESOURCEA(1), "PPDFILE");
  HGLOBAL loaded = found != nullptr ? LoadResource(spool, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  DWORD size = found != nullptr ? SizeofResource(spool, found) : 0;
  bool ok = false;
  if (bytes != nullptr && size > 0) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out != nullptr) {
      ok = std::fwrite(bytes, 1, size, out) == size;
      ok = std::fclose(out) == 0 && ok;
    }
  }
  FreeLibrary(spool);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: addprinter OUTFILE\n");
    return 2;
  }
  std::string output = argv[1];
  std::string ppd = output + ".ppd";
  if (!WritePpd(ppd)) return Fail(3, "writing the PPD");

  // Already there: the processor may be registered from an earlier run.
  AddPrintProcessorA(nullptr, nullptr, const_cast<char*>("wineps.drv"), const_cast<char*>("wineps"));

  DRIVER_INFO_3A driver{};
  driver.cVersion = 3;
  driver.pName = const_cast<char*>(DriverName);
  driver.pEnvironment = const_cast<char*>("Windows x64");
  driver.pDriverPath = const_cast<char*>("wineps.drv");
  driver.pConfigFile = const_cast<char*>("wineps.drv");
  driver.pDataFile = const_cast<char*>(ppd.c_str());
  if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY))
    return Fail(4, "AddPrinterDriverExA");

  // The processor must be winprint: with wineps EndDoc writes nothing.
  PRINTER_INFO_2A info{};
  info.pPrinterName = const_cast<char*>(PrinterName);
  info.pPortName = const_cast<char*>(output.c_str());
  info.pDriverName = const_cast<char*>(DriverName);
  info.pPrintProcessor = const_cast<char*>("winprint");
  info.pDatatype = const_cast<char*>("RAW");
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  if (printer == nullptr && GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) return Fail(5, "AddPrinterA");
  if (printer != nullptr) ClosePrinter(printer);

  if (!SetDefaultPrinterA(PrinterName)) return Fail(6, "SetDefaultPrinterA");
  std::printf("%s prints to %s\n", PrinterName, output.c_str());
  return 0;
}
