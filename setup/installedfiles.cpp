#include "setup/installedfiles.h"

INSTALLEDFILES::INSTALLEDFILES() : List(""), HasMember(false) {}

void INSTALLEDFILES::AddMember(const char* name) {
  if (HasMember) List.Append("|");
  List.Append(name);
  HasMember = true;
}

void INSTALLEDFILES::AddCopied(const char* entry) {
  List.Append("|");
  List.Append(entry);
}
