// The agreements that the licence page shows when the distribution has no
// licence file: a German one and an English one. "$PROGRAM" stands for the
// product title.
#pragma once

extern const char* const BuiltInAgreementGerman;
extern const char* const BuiltInAgreementEnglish;
