// The built-in agreements, in Windows-1252 (bytes above 127 written as
// escapes, so that the source stays ASCII).
#include "setup/licence_texts.h"

const char* const BuiltInAgreementGerman =
    "LIZENZVERTRAG F\xDC""R $PROGRAM\n"
    "\n"
    "Bitte lesen Sie diesen Vertrag, bevor Sie die Software installieren. Wenn Sie ihn annehmen, erkl\xE4""ren Sie sich mit seinen Bedingungen einverstanden.\n"
    "\n"
    "1. Sie d\xFC""rfen $PROGRAM auf den Computern installieren und nutzen, f\xFC""r die Sie eine Lizenz besitzen, und eine Sicherungskopie anfertigen.\n"
    "\n"
    "2. Vermieten, Verleihen und Weitergeben der Software sind ohne schriftliche Zustimmung des Herstellers nicht gestattet.\n"
    "\n"
    "3. Die Software wird so geliefert, wie sie ist. Die Haftung des Herstellers ist auf den Ersatz der Software oder die Erstattung des Kaufpreises beschr\xE4""nkt, au\xDF""er bei Vorsatz oder grober Fahrl\xE4""ssigkeit.\n"
    "\n"
    "4. Es gilt das Recht der Bundesrepublik Deutschland.\n";

const char* const BuiltInAgreementEnglish =
    "LICENCE AGREEMENT FOR $PROGRAM\n"
    "\n"
    "Please read this agreement before you install the software. By accepting it you agree to its terms.\n"
    "\n"
    "1. You may install and use $PROGRAM on the computers for which you hold a licence, and make one copy for backup purposes.\n"
    "\n"
    "2. You may not rent, lend or pass on the software without the maker's consent in writing.\n"
    "\n"
    "3. The software is provided as it is. The maker's liability is limited to replacing the software or refunding its price, except where intent or gross negligence is proven.\n"
    "\n"
    "4. This agreement is governed by the laws of the Federal Republic of Germany.\n";
