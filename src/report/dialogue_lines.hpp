// Console questions of the trial-propeller dialogue and the messages of an
// answer that cannot be read, as edit-descriptor formats.
#pragma once

#include <string_view>

#include "run/dialogue.hpp"

namespace vdk {

// The assumed overall propulsive efficiency.
inline constexpr std::string_view ETAD_QUESTION =
    "(/4X,                                                    "
    "'BASLANGIC ICIN GENEL VERIMI GIRIN - etad ==> (0.50-0.70)')";
// The blade number.
inline constexpr std::string_view Z_QUESTION = "(//4X,'PERVANE KANAT SAYISINI (Z) GIRIN')";
// Whether Keller's area ratio is to be replaced (answer E or H).
inline constexpr std::string_view CHANGE_AREA_QUESTION =
    "(4X,                                                     "
    "'DUZLENMIS ACINIM ALANINI DEGISTIRMEK ISTER MISINIZ (E / H)' )";
// The area ratio that replaces Keller's.
inline constexpr std::string_view EAR_QUESTION =
    "(//2X,'PERVANE DUZLENMIS ACININ ALANI ORANINI GIRIN')";

// A real answer that is no number (or no answer at all); the item is the name
// of the quantity asked for: "etad", "Z" or "EAR". The run ends with status 1.
inline constexpr std::string_view UNREADABLE_REAL_ANSWER =
    "(/4X,'CEVAP OKUNAMADI - ',A,' ICIN BIR SAYI GEREKIR - STOP')";
// No line at all where the E / H answer was expected. The run ends with status 1.
inline constexpr std::string_view UNREADABLE_YES_NO_ANSWER =
    "(/4X,'CEVAP OKUNAMADI - (E / H) SECIMI BEKLENIYORDU - STOP')";

}  // namespace vdk
