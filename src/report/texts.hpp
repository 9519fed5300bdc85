// The text catalogue of the report: every line with words that the results
// file, the model-resistance file and the console show, section by section,
// each with its Turkish and its English text side by side. A text is either
// an edit-descriptor format, written with WRITE_FORMATTED and the same items
// in every language, or a plain text: a list-directed line, or the item of
// an A descriptor (a label) or of a pause.
//
// Each entry is F(NAME, Turkish, English) for a format and P(NAME, Turkish,
// English) for a plain text; the writers use tx::NAME(lang). The English
// format has the Turkish one's data edit descriptors in the same order, so
// both show the same numbers the same way; only the words (and the widths
// of the blanks around them) differ. Another language is one more column:
// its Lang, one more text in each entry and one more parameter of F and P.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "report/lang.hpp"

namespace vdk {

// One text of the catalogue in every language, in the order of Lang.
struct Text {
  std::string_view name;
  bool format = true;  // an edit-descriptor format; else a plain text
  std::array<std::string_view, LANGUAGES> in;
  constexpr std::string_view operator()(Lang l) const { return in[static_cast<std::size_t>(l)]; }
};

// Banners and closing texts.
#define VDK_TEXTS_BANNERS(F, P)                                                        \
  F(BANNER_TITLE, "(' !',13X,'GEMI GUC KARAKTERISTILERI HESAP PROGRAMI',16X,' !')",    \
    "(' !',16X,'SHIP POWERING CHARACTERISTICS PROGRAM',16X,' !')")                     \
  P(CLOSING_BOX_01, "    ------------------------------------------- ",                \
    "    ------------------------------------------- ")                                \
  P(CLOSING_BOX_02, "   | BU PROGRAM TARAFIMDAN OGRENCILERE PROJE   |",                \
    "   | This program was written as amateur work  |")                                \
  P(CLOSING_BOX_03, "   | VE DERSLERINDE YARDIMCI OLMAK AMACI ILE   |",                \
    "   | to help students in their projects and    |")                                \
  P(CLOSING_BOX_04, "   | AMATORCE YAZILMIS BIR PROGRAM OLUP;       |",                \
    "   | courses. Problems with its running that   |")                                \
  P(CLOSING_BOX_05, "   | CALISMASI ILE ILGILI PROBLEMLERIN         |",                \
    "   | are reported to the e-mail address        |")                                \
  P(CLOSING_BOX_06, "   | vardelonteksa@example.org                 |",                \
    "   | vardelonteksa@example.org                 |")                                \
  P(CLOSING_BOX_07, "   | E-Mail ADRESINE BILDIRILMESI DURUMUNDA    |",                \
    "   | will be answered as far as possible.      |")                                \
  P(CLOSING_BOX_08, "   |    CEVAP VERILMEYE CALISILACAKTIR         |",                \
    "   |                                           |")                                \
  P(CLOSING_BOX_09, "   |                                           |",                \
    "   |                                           |")                                \
  P(CLOSING_BOX_10, "   | the VARDELONTEKSA developers              |",                \
    "   | the VARDELONTEKSA developers              |")                                \
  P(CLOSING_BOX_11, "   | Gemi direnci ve sevk hesaplari            |",                \
    "   | Ship resistance and propulsion            |")                                \
  P(CLOSING_BOX_12, "   | Acik kaynakli ogrenci ve muhendis araci   |",                \
    "   | Open-source tool, students and engineers  |")                                \
  P(CLOSING_BOX_13, "   | Adres: proje deposu                       |",                \
    "   | Address: project repository               |")                                \
  P(CLOSING_BOX_14, "   | Tel  : -                                  |",                \
    "   | Tel  : -                                  |")                                \
  P(CLOSING_BOX_15, "   | Faks : -                                  |",                \
    "   | Fax  : -                                  |")                                \
  P(CLOSING_BOX_16, "   -------------------------------------------- ",                \
    "   -------------------------------------------- ")                                \
  P(AUTHOR_BOX_1, "=====================================================",             \
    "=====================================================")                           \
  P(AUTHOR_BOX_2, "| the VARDELONTEKSA developers                      |",             \
    "| the VARDELONTEKSA developers                      |")                           \
  P(AUTHOR_BOX_3, "| Gemi direnci ve sevk hesaplari                    |",             \
    "| Ship resistance and propulsion calculations       |")                           \
  P(AUTHOR_BOX_4, "| Ogrenciler ve gemi insaati muhendisleri icin      |",             \
    "| For students and naval architects                 |")                           \
  P(AUTHOR_BOX_5, "| Adres: proje deposu                               |",             \
    "| Address: project repository                       |")                           \
  P(AUTHOR_BOX_6, "| E-Mail: vardelonteksa@example.org                 |",             \
    "| E-Mail: vardelonteksa@example.org                 |")                           \
  P(AUTHOR_BOX_7, "=====================================================",             \
    "=====================================================")                           \
  P(RUN_COMPLETED, "PROGRAM CALISMASI TAMAMLANDI. BITIRMEK ICIN `ENTER` TUSUNA BASIN", \
    "Program run completed. Press Enter to finish.")

// Console: pauses, questions, answers and files.
#define VDK_TEXTS_CONSOLE(F, P)                                                                 \
  P(STANDARD_PAUSE, "Pause - Please enter a blank line (to continue) or a DOS command.",        \
    "Pause - press Enter.")                                                                     \
  P(PAUSE_CONTINUE, "DEVAM ICIN 'ENTER' TUSUNA BASIN", "Press Enter to continue")               \
  P(PAUSE_FINISH, "  BITIRMEK ICIN `ENTER`TUSUNA BASIN ", "  Press Enter to finish ")           \
  P(STOP_LINE, "Stop - Program terminated.", "Stop - Program terminated.")                      \
  F(ETAD_QUESTION, "(/4X,'BASLANGIC ICIN GENEL VERIMI GIRIN - etad ==> (0.50-0.70)')",          \
    "(/4X,'Enter the assumed overall propulsive efficiency etad ==> (0.50-0.70)')")             \
  F(Z_QUESTION, "(//4X,'PERVANE KANAT SAYISINI (Z) GIRIN')",                                    \
    "(//4X,'Enter the number of propeller blades Z')")                                          \
  F(CHANGE_AREA_QUESTION, "(4X,'DUZLENMIS ACINIM ALANINI DEGISTIRMEK ISTER MISINIZ (E / H)' )", \
    "(4X,'Do you want to change the expanded area ratio? (Y / N)')")                            \
  P(ANSWER_YES, "E", "Y")                                                                       \
  P(ANSWER_NO, "H", "N")                                                                        \
  F(EAR_QUESTION, "(//2X,'PERVANE DUZLENMIS ACININ ALANI ORANINI GIRIN')",                      \
    "(//2X,'Enter the expanded area ratio EAR of the propeller')")                              \
  F(UNREADABLE_REAL_ANSWER, "(/4X,'CEVAP OKUNAMADI - ',A,' ICIN BIR SAYI GEREKIR - STOP')",     \
    "(/4X,'Answer not readable - ',A,' must be a number - STOP')")                              \
  F(UNREADABLE_YES_NO_ANSWER, "(/4X,'CEVAP OKUNAMADI - (E / H) SECIMI BEKLENIYORDU - STOP')",   \
    "(/4X,'Answer not readable - Y or N was expected - STOP')")                                 \
  F(DATA_FILE_NOT_OPENED, "(' VERI DOSYASI ACILAMADI: ',A,' (',A,')')",                         \
    "(' Data file cannot be opened: ',A,' (',A,')')")                                           \
  F(OUTPUT_NOT_WRITTEN, "(' CIKTI DOSYASI YAZILAMIYOR: ',A)",                                   \
    "(' Output file cannot be written: ',A)")                                                   \
  F(MODEL_FILE_NOT_OPENED, "(/' BORELI_VANSK_DEGERI.SON DOSYASI ACILAMADI')",                   \
    "(/' The model file BORELI_VANSK_DEGERI.SON cannot be opened')")                            \
  F(DATA_FILE_STOP, "(/' VERI HATASI - ',A)", "(/' Error: ',A)")

// Input summary and output heading.
#define VDK_TEXTS_INPUT_SUMMARY(F, P)                                                             \
  F(INPUT_TITLE,                                                                                  \
    "(10X,'HOLTROP & MENNEN GUC TAHMINI PROGRAMI',/,20X,'GIRIS BILGILERI',/,60('='))",            \
    "(10X,'HOLTROP & MENNEN POWER PREDICTION',/,20X,'INPUT DATA',/,60('='))")                     \
  F(IN_LWL, "(2X,'SU HATTI BOYU     Lwl=',F8.3,' m')",                                            \
    "(2X,'Length on the waterline        Lwl=',F8.3,' m')")                                       \
  F(IN_LBP, "(2X,'KAIMELERARASI BOY Lbp=',F8.3,' m')",                                            \
    "(2X,'Length between perpendiculars  Lbp=',F8.3,' m')")                                       \
  F(IN_B, "(2X,'KALIP GENISLIGI     B=',F8.3,' m')",                                              \
    "(2X,'Moulded breadth                  B=',F8.3,' m')")                                       \
  F(IN_TF, "(2X,'BAS DRAFT          Tf=',F8.3,' m')",                                             \
    "(2X,'Draught forward                 Tf=',F8.3,' m')")                                       \
  F(IN_TA, "(2X,'KIC DRAFT          Ta=',F8.3,' m')",                                             \
    "(2X,'Draught aft                     Ta=',F8.3,' m')")                                       \
  F(IN_V, "(2X,'DEPLASMAN HACMI    V =',F9.3,' m3')",                                             \
    "(2X,'Displacement volume              V=',F9.3,' m3')")                                      \
  F(IN_LCB, "(2X,'LCB               LCB=',F8.3,' m Lbp/2 den')",                                  \
    "(2X,'Centre of buoyancy             LCB=',F8.3,' m from Lbp/2')")                            \
  F(IN_ABT, "(2X,'BALP KESIT ALANI  ABT=',F8.3,' m')",                                            \
    "(2X,'Transverse bulb area           ABT=',F8.3,' m2')")                                      \
  F(IN_HB, "(2X,'B.K.A. AGIR. MERK BL DEN YUKS. HB=',F8.3,' m')",                                 \
    "(2X,'Bulb area centroid above base   HB=',F8.3,' m')")                                       \
  F(IN_AT, "(2X,'BATIK AYNA KIC ALANI AT=',F8.3,' m2')",                                          \
    "(2X,'Immersed transom area           AT=',F8.3,' m2')")                                      \
  F(IN_CM, "(2X,'ORTA KESIT N.K. - Cm =',F5.3)",                                                  \
    "(2X,'Midship section coefficient     Cm=',1X,F5.3)")                                         \
  F(IN_CWP, "(2X,'YUKLU SU HATTI N.K - Cwp =',F5.3)",                                             \
    "(2X,'Waterplane coefficient         Cwp=',1X,F5.3)")                                         \
  F(IN_CSTERN, "(2X,'KIC FORM PARAMETRESI Cstern=',F8.3)",                                        \
    "(2X,'Stern shape parameter       Cstern=',F8.3)")                                            \
  F(IN_SPEEDS_TITLE, "(10X,'HIZ HESAPLAMA ARALIGI -(KNOTS) ')",                                   \
    "(10X,'SPEEDS CALCULATED - (KNOTS)')")                                                        \
  F(IN_TRIAL_SPEED, "(2X,A40,F8.3,' knots')", "(2X,A40,F8.3,' kn')")                              \
  P(IN_TRIAL_SPEED_LABEL,                                                                         \
    "SEYIR TECRUBESI HIZI - Vseyir = ", "Trial speed -----------------> Vtrial = ")               \
  F(IN_APPENDAGES_TITLE, "(2X, '   MEVCUT TAKINTILAR')", "(2X,'   APPENDAGES FITTED')")           \
  F(IN_APPENDAGES_HEAD, "(2X,3X,31('-'),3X,'ALAN',5X,'FORM FAKTORU')",                            \
    "(2X,3X,31('-'),3X,'AREA',5X,'FORM FACTOR')")                                                 \
  P(APPENDAGE_01, "SKEG ARKASINDAKI DUMEN", "Rudder behind skeg")                                 \
  P(APPENDAGE_02, "TEK PERVANELI GEMI DUMENI", "Rudder behind stern")                             \
  P(APPENDAGE_03, "CIFT PERVANELI GEMI DUMENI", "Twin-screw balance rudders")                     \
  P(APPENDAGE_04, "SAFT BRAKETLERI", "Shaft brackets")                                            \
  P(APPENDAGE_05, "SKEG", "Skeg")                                                                 \
  P(APPENDAGE_06, "STRUT BOSALARI", "Strut bossings")                                             \
  P(APPENDAGE_07, "BOSALAR", "Hull bossings")                                                     \
  P(APPENDAGE_08, "SAFTLAR", "Shafts")                                                            \
  P(APPENDAGE_09, "STABILIZER FINLERI", "Stabilizer fins")                                        \
  P(APPENDAGE_10, "SONAR DOMU", "Sonar dome")                                                     \
  P(APPENDAGE_11, "YALPA OMURGASI", "Bilge keels")                                                \
  F(IN_APPENDAGE_AREA, "(2X,'TOPLAM TAKINTI ALANI - Stot = ',F6.2,' m2')",                        \
    "(2X,'Total appendage area - Stot = ',F6.2,' m2')")                                           \
  F(IN_APPENDAGE_K2, "(2X,'TAKINTI EFEKTIF FORM FAKTORU (1+K2)eff=',F6.3)",                       \
    "(2X,'Effective appendage form factor (1+k2)eff=',F6.3)")                                     \
  F(IN_RHO, "(2X,'AKISKAN YOGUNLUGU - RHO = ',F9.2,' kg/m3 ')",                                   \
    "(2X,'Water density ----------- RHO = ',F9.2,' kg/m3')")                                      \
  F(IN_GRAV, "(2X,'YERCEKIMI IVMESI - GRAV = ',F9.5,' m/sn2 ')",                                  \
    "(2X,'Acceleration of gravity  GRAV = ',F9.5,' m/s2')")                                       \
  P(IN_PROPELLER_TITLE, "PERVANE BILGILERI", "PROPELLER DATA")                                    \
  F(IN_D, "(2X,'PERVANE CAPI - D = ',F6.3,' m')", "(2X,'Propeller diameter - D = ',F6.3,' m')")   \
  F(IN_NPROP, "(2X,'PERVANE SAYISI - NPROP = ',I3)", "(2X,'Number of propellers - NPROP = ',I3)") \
  F(IN_HSD, "(2X,'PERVANE SAFT DERINLIGI - Hsd = ',F6.3,' m')",                                   \
    "(2X,'Shaft immersion below the aft waterline - Hsd = ',F6.3,' m')")                          \
  F(IN_MCR, "(2X,'MAX. SUREKLI MAKINA DEVRI - MCR = ',F6.3)",                                     \
    "(2X,'Engine load, fraction of the maximum continuous rating - MCR = ',F6.3)")                \
  F(OUTPUT_TITLE,                                                                                 \
    "(10X,'HOLTROP & MENNEN GUC TAHMINI PROGRAMI',/,20X,'CIKIS BILGILERI',/,60('='))",            \
    "(10X,'HOLTROP & MENNEN POWER PREDICTION',/,20X,'RESULTS',/,60('='))")

// Speed blocks.
#define VDK_TEXTS_SPEED_BLOCKS(F, P)                                                              \
  F(SPEED_NO, "(/'  HESAP HIZI NO = ',I2)", "(/'  Speed number = ',I2)")                          \
  F(VS_KNOTS, "('  GEMI HIZI -------------------------> VS = ',F5.2, ' knot')",                   \
    "(2X,'Ship speed ------------------------> VS = ',F5.2,' kn')")                               \
  F(VS_MS, "('  GEMI HIZI -------------------------> VS = ',F5.2, ' m/s')",                       \
    "(2X,'Ship speed ------------------------> VS = ',F5.2,' m/s')")                              \
  F(FROUDE, "(2X,'FROUDE SAYISI ---------------------> Fn =',F6.3)",                              \
    "(2X,'Froude number ---------------------> Fn =',F6.3)")                                      \
  F(CB, "('  BLOK KATSAYISI (Lpp YE GORE) ------> CB = ',F5.3, '   ')",                           \
    "(2X,'Block coefficient (on Lpp) --------> CB = ',F5.3)")                                     \
  F(CP, "('  PRIZMATIK KATSAYI (Lpp YE GORE) ---> CP = ',      F5.3,'   ')",                      \
    "(2X,'Prismatic coefficient (on Lpp) ----> CP = ',F5.3)")                                     \
  F(CBLWL, "('  BLOK KATSAYISI (Lwl YE GORE) ---> CBlwl = ',F5.3, '   ')",                        \
    "(2X,'Block coefficient (on Lwl) -----> CBlwl = ',F5.3)")                                     \
  F(CWPLWL, "('  SU HATTI N.K. (Lwl YE GORE) ---> CWPlwl = ',F5.3, '   ')",                       \
    "(2X,'Waterplane coeff. (on Lwl) ----> CWPlwl = ',F5.3)")                                     \
  F(LR, "(2X,'CIKIS BOYU ------------------------> LR = ',F6.3,' m')",                            \
    "(2X,'Length of run ---------------------> LR = ',F6.3,' m')")                                \
  F(C_STERN, "(2X,'C PARAMETRESI ----------------------> C =',F6.3)",                             \
    "(2X,'Stern parameter --------------------> C =',F6.3)")                                      \
  F(S_ESTIMATED, "(2X,'TAHMINI ISLAK YUZEY(takinti dahil) -> S =',F9.2, ' m2')",                  \
    "(2X,'Est. wetted surface (with app.) ----> S =',F9.2,' m2')")                                \
  F(S_ESTIMATED_GIVEN, "(2X,'TAHMINI ISLAK YUZEY (takinti dahil)-> S =',F9.2, ' m2')",            \
    "(2X,'Est. wetted surface (with app.) ----> S =',F9.2,' m2')")                                \
  F(S_TAYLAN,                                                                                     \
    "(2X,'TAHMINI ISLAK YUZEY(takinti dahil) -> S =',F9.2, ' m2 (Metin Taylan Formulu)')",        \
    "(2X,'Est. wetted surface (with app.) ----> S =',F9.2,' m2 (Metin Taylan formula)')")         \
  F(S_USED, "(2X,'GERCEK ISLAK YUZEY (Takinti Dahil) -> S =',F9.2, ' m2')",                       \
    "(2X,'Wetted surface used (with app.) ----> S =',F9.2,' m2')")                                \
  F(K_HOLTROP, "(2X,'CIPLAK TEKNE FORM FAKTORU ------> (1+k) = ',F6.3 )",                         \
    "(2X,'Bare-hull form factor ----------> (1+k) = ',F6.3)")                                     \
  F(FFDF, "(2X,'FORM FAKTORU DUZELTME KATS.----->  FFDF = ',F6.3 )",                              \
    "(2X,'Form-factor correction --------->  FFDF = ',F6.3)")                                     \
  F(K_FINAL, "(2X,'NIHAI CIP. TEKNE FORM FAKTORU --> (1+k) = ',F6.3 )",                           \
    "(2X,'Final bare-hull form factor ----> (1+k) = ',F6.3)")                                     \
  F(K_GRIGSON, "(2X,'GRIGSON s FOR FAKTORU ----------> (1+k) = ',F6.3 )",                         \
    "(2X,'Grigson''s form factor ----------> (1+k) = ',F6.3)")                                    \
  F(CF, "(2X,'SURTUNME DIRENC KATSAYISI ----> CF*1000 = ',F6.3)",                                 \
    "(2X,'Frictional resist. coeff. ----> CF*1000 = ',F6.3)")                                     \
  F(CV, "(2X,'FORM DIRENCI KATSAYISI  ------> CV*1000 = ',F6.3)",                                 \
    "(2X,'Viscous resist. coeff. -------> CV*1000 = ',F6.3)")                                     \
  F(RF, "(2X,'SURTUNME DIRENCI ------------------> RF = ',F8.2,' kN')",                           \
    "(2X,'Frictional resistance -------------> RF = ',F8.2,' kN')")                               \
  F(RAPP, "(2X,'TAKINTI TOPLAM DIRENCI ----------> RAPP = ',F8.2,' kN')",                         \
    "(2X,'Appendage resistance ------------> RAPP = ',F8.2,' kN')")                               \
  F(WIND_DEPTH_1, "(2X,' BAS DIKMEDEKI GEMI YUKSEKLIGI BAS DRAFTTAN KUCUK  GIRILDI.')",           \
    "(2X,' The depth at the forward perpendicular is below the forward draught:')")               \
  F(WIND_DEPTH_2, "(2X,' BU DURUMDA RUZGAR DIRENCI HESAPLANMAZ.')",                               \
    "(2X,' the air resistance is not calculated.')")                                              \
  F(AFRONT, "(2X,'GEMI ON YUZEY ALANI -----------> D*B*CM = ',F6.2,' m2')",                       \
    "(2X,'Frontal area of the hull ------> D*B*CM = ',F6.2,' m2')")                               \
  F(ONYUZ, "(2X,'GUVERTE EVI/YUK ON YUZEY ALANI -> ONYUZ = ',F6.2,' m2')",                        \
    "(2X,'Frontal area of deckhouses -----> ONYUZ = ',F6.2,' m2')")                               \
  F(CAA, "(2X,'RUZGAR DIRENCI KATSAYISI ----> CAA*1000 = ',F6.3)",                                \
    "(2X,'Air resistance coeff. -------> CAA*1000 = ',F6.3)")                                     \
  F(RAIR, "(2X,'RUZGAR DIRENCI ------------------> RAIR = ',F8.2,' kN')",                         \
    "(2X,'Air resistance ------------------> RAIR = ',F8.2,' kN')")                               \
  F(ENTRANCE_ANGLE, "(2X,A40,'=',F8.2,' derece')", "(2X,A40,'=',F8.2,' deg')")                    \
  P(IE_ESTIMATED_LABEL, "TAHMINI SU HATTI YARIM GIRIS ACISI > IE",                                \
    "Estimated half angle of entrance --> iE")                                                    \
  P(IE_USED_LABEL, "SU HATTI YARIM GIRIS ACISI > IE(derece) - HESAPLANAN",                        \
    "Half angle of entrance used -------> iE")                                                    \
  F(WAVE_C4, "(2X,'KATSAYI ---------------------------> C4 = ',F6.2)",                            \
    "(2X,'Coefficient -----------------------> C4 = ',F6.2)")                                     \
  F(WAVE_C5, "(2X,'KATSAYI ---------------------------> C5 = ',     F6.2)",                       \
    "(2X,'Coefficient -----------------------> C5 = ',F6.2)")                                     \
  F(WAVE_C6, "(2X,'KATSAYI ---------------------------> C6 = ',     F6.2)",                       \
    "(2X,'Coefficient -----------------------> C6 = ',F6.2)")                                     \
  F(WAVE_C1, "(2X,'KATSAYI ---------------------------> C1 = ',F6.2)",                            \
    "(2X,'Coefficient -----------------------> C1 = ',F6.2)")                                     \
  F(WAVE_C3, "(2X,'KATSAYI ---------------------------> C3 = '      ,F6.2)",                      \
    "(2X,'Coefficient -----------------------> C3 = ',F6.2)")                                     \
  F(WAVE_C2, "(2X,'KATSAYI ---------------------------> C2 = '      ,F6.2)",                      \
    "(2X,'Coefficient -----------------------> C2 = ',F6.2)")                                     \
  F(WAVE_C17, "(2X,'KATSAYI --------------------------> C17 = '      ,F6.2)",                     \
    "(2X,'Coefficient ----------------------> C17 = ',F6.2)")                                     \
  F(WAVE_C15, "(2X,'KATSAYI --------------------------> C15 = '      ,F6.2)",                     \
    "(2X,'Coefficient ----------------------> C15 = ',F6.2)")                                     \
  F(WAVE_M1, "(2X,'PARAMETRE -------------------------> M1 = ',     F9.2)",                       \
    "(2X,'Parameter -------------------------> m1 = ',F9.2)")                                     \
  F(WAVE_M2, "(2X,'PARAMETRE -------------------------> M2 = '      ,F9.2)",                      \
    "(2X,'Parameter -------------------------> m2 = ',F9.2)")                                     \
  F(WAVE_LAMDA, "(2X,'PARAMETRE ----------------------> LAMDA = '      ,F9.2)",                   \
    "(2X,'Parameter ---------------------> lambda = ',F9.2)")                                     \
  F(WAVE_M3, "(2X,'PARAMETRE -------------------------> M3 = '      ,F6.2)",                      \
    "(2X,'Parameter -------------------------> m3 = ',F6.2)")                                     \
  F(WAVE_M4, "(2X,'PARAMETRE -------------------------> M4 = '      ,F6.2)",                      \
    "(2X,'Parameter -------------------------> m4 = ',F6.2)")                                     \
  F(RANGE_LOW, "(2X,'YAVAS HIZ BOLGESI LIMITLERI HESABI Fn<0.40')",                               \
    "(2X,'Low-speed formula, Fn<0.40')")                                                          \
  F(RANGE_HIGH, "(2X,'YUKSEK HIZ BOLGESI LIMITLERI HESABI Fn>0.55'     )",                        \
    "(2X,'High-speed formula, Fn>0.55')")                                                         \
  F(RANGE_TRANSITION, "(2X,'GECIS HIZI BOLGESI LIMITLERI HESABI 0.40<Fn<0.55')",                  \
    "(2X,'Transition range, interpolated, 0.40<Fn<0.55')")                                        \
  F(RW_RANGE, "(2X,'DALGA DIRENCI ---------------------> Rw = ',     F9.2,' kN')",                \
    "(2X,'Wave resistance -------------------> Rw = ',F9.2,' kN')")                               \
  F(BULB_BREAKING, "(2X,'*** BALP BOLGESINDA ASIRI DALGA KIRILMASI VAR *** ')",                   \
    "(2X,'*** Excessive wave breaking at the bulb *** ')")                                        \
  F(RBULB, "(2X,'BALP DIRENCI -------------------> Rbulb = '      ,F8.2,' kN')",                  \
    "(2X,'Bulbous bow resistance ------------> RB = ',F8.2,' kN')")                               \
  F(RTRANSOM, "(2X,'AYNA KIC DIRENCI ---------------> Rayna = '      ,F8.2,' kN')",               \
    "(2X,'Immersed transom resistance ------> RTR = ',F8.2,' kN')")                               \
  F(RTHRUSTER, "(2X,'BAS ITICI DIRENC ARTISI --------> Rbot  = '      ,F6.2,' kN')",              \
    "(2X,'Bow-thruster opening resist. -----> RBT = ',F6.2,' kN')")                               \
  F(RW, "(2X,'DALGA DIRENCI ---------------------> RW = '      ,F8.2,' kN')",                     \
    "(2X,'Wave resistance -------------------> RW = ',F8.2,' kN')")                               \
  F(CW, "(2X,'DALGA DIRENC KATSAYISI -------> CW*1000 = ',F6.3)",                                 \
    "(2X,'Wave resist. coeff. ----------> CW*1000 = ',F6.3)")                                     \
  F(CA_HOLTROP, "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3 ,' (HOLTROP TAHMINI) ')",  \
    "(2X,'Correlation allowance ---------> CA*1000 = ',F5.3,' (Holtrop estimate)')")              \
  F(CA_DIRECT, "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3 ,' (DOGRUDAN ATAMA) ')",    \
    "(2X,'Correlation allowance ---------> CA*1000 = ',F5.3,' (given)')")                         \
  F(CA_ITTC, "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3 ,' (ITTC YONTEMI) ')",        \
    "(2X,'Correlation allowance ---------> CA*1000 = ',F5.3,' (ITTC roughness formula)')")        \
  F(CA_USED, "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3)",                            \
    "(2X,'Correlation allowance used ----> CA*1000 = ',F5.3)")                                    \
  P(RA_LABEL, "MODEL-GEMI KORELASYON DIRENCI - RA(kN)", "Model-ship correlation resistance - RA") \
  P(RT_LABEL, "TOPLAM DIRENC - RTOTAL(kN)", "Total resistance - RT")                              \
  P(PE_LABEL, "EFEKTIF GUC - PE(kW)", "Effective power - PE")

// Resistance tables.
#define VDK_TEXTS_RESISTANCE_TABLES(F, P)                                                          \
  F(SUMMARY_I_HEAD,                                                                                \
    "(/,/,/,10X,'HOLTROP - MENNEN GUC TAHMIN YONTEMI HESAP OZETI - I',/,1X,84('='),/,6X,'Fn','   " \
    "Vs',6X,'Rs',5X,'Rv',5X,'Rw',5X,'Ra',5X,'Rapp',3X,'Rbl',4X,'Rtr',4X,'Rbt',4X,'Raa',5X,'Rt',/"  \
    ",1X,84('='))",                                                                                \
    "(/,/,/,10X,'HOLTROP - MENNEN POWER PREDICTION - SUMMARY I',/,1X,84('='),/,6X,'Fn','   "       \
    "Vs',6X,'RF',5X,'RV',5X,'RW',5X,'RA',5X,'RAPP',3X,'RB "                                        \
    "',4X,'RTR',4X,'RBT',4X,'RAA',5X,'RT',/,1X,84('='))")                                          \
  F(LEGEND_8, "(/8X,'ACIKLAMALAR')", "(/8X,'LEGEND')")                                             \
  F(LEGEND_FN, "(3X,'Fn  : Froude sayisi')", "(3X,'Fn  : Froude number')")                         \
  F(LEGEND_VS, "(3X,'Vs  : Gemi Hizi - knot')", "(3X,'Vs  : Ship speed - kn')")                    \
  F(LEGEND_RS, "(3X,'Rs  : Surtunme direnci - kN')", "(3X,'RF  : Frictional resistance - kN')")    \
  F(LEGEND_RV, "(3X,'Rv  : Viskoz direnc - kN')",                                                  \
    "(3X,'RV  : Viscous resistance, form factor included - kN')")                                  \
  F(LEGEND_RW, "(3X,'Rw  : Dalga direnci - kN')", "(3X,'RW  : Wave resistance - kN')")             \
  F(LEGEND_RA, "(3X,'Ra  : Model-Gemi Korelasyon direnci - kN')",                                  \
    "(3X,'RA  : Model-ship correlation resistance - kN')")                                         \
  F(LEGEND_RAPP, "(3X,'Rapp: Takinti direnci - kN')", "(3X,'RAPP: Appendage resistance - kN')")    \
  F(LEGEND_RBL, "(3X,'Rbl : Balbli bas direnci - kN')",                                            \
    "(3X,'RB  : Additional resistance of the bulbous bow - kN')")                                  \
  F(LEGEND_RTR, "(3X,'Rtr : Ayna kic direnci - kN')",                                              \
    "(3X,'RTR : Additional resistance of the immersed transom - kN')")                             \
  F(LEGEND_RBT, "(3X,'Rbt : Bas itici acikligi direnci - kN - ',I2,    ' adet')",                  \
    "(3X,'RBT : Resistance of the bow-thruster openings - kN - ',I2,' openings')")                 \
  F(LEGEND_RAA, "(3X,'Raa : Ruzgar direnci - kN')", "(3X,'RAA : Air resistance - kN')")            \
  F(LEGEND_RT, "(3X,'Rt  : Toplam direnc (Rv+Rw+Ra+Rapp+Rbl+Rtr+Rbt+Raa)- kN')",                   \
    "(3X,'RT  : Total resistance (RV+RW+RA+RAPP+RB+RTR+RBT; RAA not included) - kN')")             \
  F(CHARACTERISTICS_HEAD,                                                                          \
    "(/,/,/,14X,'GEMI DIRENC KARAKTERISTIKLERI - ORJINAL "                                         \
    "HESAP',/,1X,87('='),/"                                                                        \
    ",8X,'Vs',5X,'Fn',8X,'Rn',7X,'Cf',7X,'Cv',7X,'Cr',7X,'Ca',7X,'Ct',6X,'Pe',4X,'Rapp',/"         \
    ",7X,'kts',13X,'/"                                                                             \
    "10^9',4X,'*1000',4X,'*1000',4X,'*1000',4X,'*1000',3X,'*1000',6X,'KW',5X,'%Rt',/,1X,87('='))", \
    "(/,/,/,14X,'SHIP RESISTANCE CHARACTERISTICS - AS "                                            \
    "CALCULATED',/,1X,87('='),/"                                                                   \
    ",8X,'Vs',5X,'Fn',8X,'Rn',7X,'CF',7X,'CV',7X,'CR',7X,'CA',7X,'CT',6X,'PE',4X,'RAPP',/,7X,'kn " \
    "',13X,'/10^9',4X,'*1000',4X,'*1000',4X,'*1000',4X,'*1000',3X,'*1000',6X,'kW',5X,'%RT',/"      \
    ",1X,87('='))")                                                                                \
  F(CHARACTERISTICS_CORRECTED_HEAD,                                                                \
    "(/,/,14X,'GEMI DIRENC KARAKTERISTIKLERI - DUZENLENMIS "                                       \
    "HESAP',/,1X,87('='),/"                                                                        \
    ",8X,'Vs',5X,'Fn',8X,'Rn',7X,'Cf',7X,'Cv',7X,'Cr',7X,'Ca',7X,'Ct',6X,'Pe',4X,'Rapp',/"         \
    ",7X,'kts',13X,'/"                                                                             \
    "10^9',4X,'*1000',4X,'*1000',4X,'*1000',4X,'*1000',3X,'*1000',6X,'KW',5X,'%Rt',/,1X,87('='))", \
    "(/,/,14X,'SHIP RESISTANCE CHARACTERISTICS - WAVE RESISTANCE "                                 \
    "CORRECTED',/,1X,87('='),/"                                                                    \
    ",8X,'Vs',5X,'Fn',8X,'Rn',7X,'CF',7X,'CV',7X,'CR',7X,'CA',7X,'CT',6X,'PE',4X,'RAPP',/,7X,'kn " \
    "',13X,'/10^9',4X,'*1000',4X,'*1000',4X,'*1000',4X,'*1000',3X,'*1000',6X,'kW',5X,'%RT',/"      \
    ",1X,87('='))")                                                                                \
  P(NO_WAVE_CORRECTION, " Dalga direnci duzeltmesi yapilmamistir.",                                \
    " No wave-resistance correction has been made.")

// Model-scale table and its legend.
#define VDK_TEXTS_MODEL_SCALE(F, P)                                                              \
  F(MODEL_TABLE_HEAD,                                                                            \
    "(/,/,/,14X,'MODEL DIRENC "                                                                  \
    "KARAKTERISTIKLERI',/,1X,72('='),/"                                                          \
    ",7X,'Vm',7X,'Fn',7X,'Rn',7X,'Cf',7X,'Cv',7X,'Cr',7X,'Ct',7X,'Rm',/,7X,'m/s',13X,'/"         \
    "10^6',4X,'*1000',4X,'*1000',4X,'*1000',4X,'*1000',4X,'  Kg ',/,1X,72('='))",                \
    "(/,/,/,14X,'MODEL RESISTANCE "                                                              \
    "CHARACTERISTICS',/,1X,72('='),/"                                                            \
    ",7X,'Vm',7X,'Fn',7X,'Rn',7X,'CF',7X,'CV',7X,'CR',7X,'CT',6X,'RTm',/,7X,'m/s',13X,'/"        \
    "10^6',4X,'*1000',4X,'*1000',4X,'*1000',4X,'*1000',4X,'  kgf',/,1X,72('='))")                \
  F(LEGEND_5, "(/5X,'ACIKLAMALAR')", "(/5X,'LEGEND')")                                           \
  F(MODEL_LEGEND_CF, "(3X,'Cf  : Surtunme direnc katasyisi')",                                   \
    "(3X,'CF  : Frictional resistance coefficient')")                                            \
  F(MODEL_LEGEND_CV, "(3X,'Cv  : Form direnc katsayisi')",                                       \
    "(3X,'CV  : Viscous resistance coefficient, form factor included')")                         \
  F(MODEL_LEGEND_CR, "(3X,'Cr  : Artik (dalga) direnc katsayisi')",                              \
    "(3X,'CR  : Residual (wave) resistance coefficient')")                                       \
  F(MODEL_LEGEND_CA, "(3X,'Ca  : Model/Gemi korelasyon katsayisi')",                             \
    "(3X,'CA  : Model-ship correlation allowance')")                                             \
  F(MODEL_LEGEND_CT, "(3X,'Ct  : Toplam direnc katsayisi')",                                     \
    "(3X,'CT  : Total resistance coefficient')")                                                 \
  F(MODEL_LEGEND_K,                                                                              \
    "(3X,'1+k : ',F5.3,' Form Faktoru ( 1+k = '          F5.3,' - Grigson, ',F5.3,' - BSRA )')", \
    "(3X,'1+k : ',F5.3,' form factor used ( 1+k = ',F5.3,' - Grigson, ',F5.3,' - BSRA )')")

// Model-resistance file.
#define VDK_TEXTS_MODEL_FILE(F, P)                                                                 \
  F(MODEL_FILE_NAME_LINE,                                                                          \
    "(1X,'!  BORELI-VANSK  Surum 12.2026  -  VARDELONTEKSA model direnc modulu   !')",             \
    "(1X,'!  BORELI-VANSK  Version 12.2026  -  VARDELONTEKSA model resistance    !')")             \
  F(MODEL_FILE_TITLE, "(' !',13X,'MODEL DIRENC DEGERLERI HESAP PROGRAMI',20X,'!')",                \
    "(' !',13X,'MODEL RESISTANCE VALUES PROGRAM',26X,'!')")                                        \
  F(MODEL_VALUES_TITLE, "(//20X,'MODELE AIT DEGERLER  ')", "(//20X,'MODEL VALUES')")               \
  F(MODEL_VALUES_HEAD,                                                                             \
    "(' No   Vs    Vm      Fn      Rn     Cfm     Cvm     Cwm     Ctm     Rtm  ' )",               \
    "(' No   Vs    Vm      Fn      Rn     CFm     CVm     CWm     CTm     RTm  ' )")               \
  F(MODEL_VALUES_UNITS,                                                                            \
    "('     (kn) (m/s)          (*1E7)                                    (kg) ' )",               \
    "('     (kn) (m/s)          (*1E7)                                   (kgf) ' )")               \
  F(MEASUREMENT_TITLE, "(//10X,'OLCUM DEGERLERI ')", "(//10X,'MEASUREMENT VALUES')")               \
  F(MEASUREMENT_HEAD, "(' No    Vm      Rtm     Ctm        Fn      Vs' )",                         \
    "(' No    Vm      RTm     CTm        Fn      Vs' )")                                           \
  F(MEASUREMENT_UNITS, "('     (m/s)    (kg)   *1000             (knot)' )",                       \
    "('     (m/s)   (kgf)   *1000             (kn)' )")                                            \
  F(MODEL_INPUTS_TITLE, "(//10X,'GIRIS ve HESAP BILGILERI  ')",                                    \
    "(//10X,'INPUT AND CALCULATED DATA')")                                                         \
  F(MODEL_INPUTS,                                                                                  \
    "(' -----------------------------------------------',/,' Model Olcegi..................: "     \
    "1/',F5.1,/,' Form Faktoru - (1 + k) .......: ',F6.3,' (tahmin)',/,' "                         \
    "-----------------------------------------------',/,/,'                                   "    \
    "Gemi /  Model',/,' -----------------------------------------------',/,' Su Hatti Boylari - "  \
    "m .........: ',F6.2,' / ',F6.3,/,' Islak Yuzey Alani - m2 .......: ',F6.1,' / ',F6.3,/,' Su " \
    "Sicakliklari - der. .......: ',F6.1,' / ',F6.1,/,' Su Yogunluklari - kg/m3 ......: ',F6.1,' " \
    "/ ',F6.1,/,' Su Viskoziteleri - m2/s*10^6..: ',F6.3,' / ',F6.3,/,' "                          \
    "-----------------------------------------------',/)",                                         \
    "(' -----------------------------------------------',/,' Model scale...................: "     \
    "1/',F5.1,/,' Form factor - (1 + k) ........: ',F6.3,' (estimate)',/,' "                       \
    "-----------------------------------------------',/,/,'                                   "    \
    "Ship /  Model',/,' -----------------------------------------------',/,' Waterline length - "  \
    "m .........: ',F6.2,' / ',F6.3,/,' Wetted surface area - m2 .....: ',F6.1,' / ',F6.3,/,' "    \
    "Water temperature - deg C ....: ',F6.1,' / ',F6.1,/,' Water density - kg/m3 ........: "       \
    "',F6.1,' / ',F6.1,/,' Viscosity - m2/s*10^6 ........: ',F6.3,' / ',F6.3,/,' "                 \
    "-----------------------------------------------',/)")

// Propulsion factors by other methods.
#define VDK_TEXTS_OTHER_METHODS(F, P)                                                              \
  F(AG_TITLE, "('  ANDERSENN&GULDHAMMER YONTEMI - SEVK KATSAYILARI    ')",                         \
    "('  ANDERSEN & GULDHAMMER METHOD - PROPULSION FACTORS')")                                     \
  F(AG_SOURCE, "('  Andersenn&Guldhammer (CADMO,1986 procs`) paper     ')",                        \
    "('  Andersen & Guldhammer, paper in the CADMO 1986 proceedings')")                            \
  F(FOR_INFORMATION, "('  (Bu formuller kullaniciyi bilgilendirmek amaci ile verilmistir.)')",     \
    "('  (These formulas are given for information only.)')")                                      \
  F(FOR_INFORMATION_2, "('  (Bu formuller kullaniciyi bilgilendirmek amaci ile  verilmistir.)')",  \
    "('  (These formulas are given for information only.)')")                                      \
  F(HOLTROP_USED, "('  (Program Holtrop `un sevk katsayilarini kullanir)  ')",                     \
    "('  (The program uses the propulsion factors of Holtrop.)')")                                 \
  F(GH_TITLE, "('  GULDHAMMER&HARWALD YONTEMI - SEVK KATSAYILARI      ')",                         \
    "('  GULDHAMMER & HARVALD METHOD - PROPULSION FACTORS')")                                      \
  F(OM_WAKE_TITLE, "(/'   Efektif Iz Katsayisi - w')", "(/'   Effective wake fraction - w')")      \
  F(OM_SINGLE_SCREW, "(/'   Tek Pervaneli Gemiler   ')", "(/'   Single-screw ships')")             \
  F(OM_TWIN_SCREW, "(/'   Cift Pervaneli Gemiler   ')", "(/'   Twin-screw ships')")                \
  F(OM_TROOST, "('   0.25Cb+2.5(Cb-0.6)^2 = ', F5.3, ' (Troost-Kargo Gemileri)' )",                \
    "('   0.25Cb+2.5(Cb-0.6)^2 = ',F5.3,' (Troost - cargo ships)')")                               \
  F(OM_KRUGER_1, "('   0.75Cb-0.24 = ', F5.3, ' (Kr\xFCger (1976))' )",                            \
    "('   0.75Cb-0.24 = ',F5.3,' (Krueger (1976))')")                                              \
  F(OM_HECK_CARGO_W1, "('   0.70Cp-0.18 = ', F5.3, ' (Heckscher-Kargo Gemileri)' )",               \
    "('   0.70Cp-0.18 = ',F5.3,' (Heckscher - cargo ships)')")                                     \
  F(OM_CALDWELL_1, "('   Cb/3+0.01   = ',F5.3,' (Caldwell-Romorkor 0.47<Cb<0.56)')",               \
    "('   Cb/3+0.01   = ',F5.3,' (Caldwell - tugs 0.47<Cb<0.56)')")                                \
  F(OM_HECK_TRAWLER_W, "('   0.77Cp-0.28 = ', F5.3, ' (Heckscher-Trawlers)' )",                    \
    "('   0.77Cp-0.28 = ',F5.3,' (Heckscher - trawlers)')")                                        \
  F(OM_SCHNEEKLUTH,                                                                                \
    "('   0.50Cp(1.6/(1+Dp/T))(16/10+L/B)) = ', F5.3,      ' (Schneekluth (1988) - Kargo "         \
    "Gemileri)' )",                                                                                \
    "('   0.50Cp(1.6/(1+Dp/T))(16/10+L/B)) = ',F5.3,' (Schneekluth (1988) - cargo ships)')")       \
  F(OM_PAPMEHL, "('   0.165Cb(Dep^0.333/Dp)^0.5-0.1*(Fn-0.2) - Papmehl (HizaBagli)')",             \
    "('   0.165Cb(Dep^0.333/Dp)^0.5-0.1*(Fn-0.2) - Papmehl (depends on speed)')")                  \
  F(OM_KRUGER_2, "('   0.81Cb-0.34 = ', F5.3, ' (Kr\xFCger (1976))' )",                            \
    "('   0.81Cb-0.34 = ',F5.3,' (Krueger (1976))')")                                              \
  F(OM_HECK_CARGO_W2, "('   0.70Cp-0.30 = ', F5.3, ' (Heckscher-Kargo Gemileri)' )",               \
    "('   0.70Cp-0.30 = ',F5.3,' (Heckscher - cargo ships)')")                                     \
  F(OM_CALDWELL_2, "('   Cb/3+0.03   = ',F5.3,' (Caldwell-Romorkor 0.47<Cb<0.56)')",               \
    "('   Cb/3+0.03   = ',F5.3,' (Caldwell - tugs 0.47<Cb<0.56)')")                                \
  F(OM_THRUST_TITLE, "('   Emme Katsayisi - t')", "('   Thrust deduction fraction - t')")          \
  F(OM_HECK_CARGO_T1, "('   0.50*Cp-0.12 = ', F5.3, ' (Heckscher-Kargo Gemisi)' )",                \
    "('   0.50*Cp-0.12 = ',F5.3,' (Heckscher - cargo ship)')")                                     \
  F(OM_HECK_TRAWLER_T, "('   0.77*Cp-0.30 = ', F5.3, ' (Heckscher-Trawlers   )' )",                \
    "('   0.77*Cp-0.30 = ',F5.3,' (Heckscher - trawlers)')")                                       \
  F(OM_DANCKWARDT_1, "('   0.50*Cp-0.15 = ', F5.3, ' (Dacknwardt-kargo Gemisi' )",                 \
    "('   0.50*Cp-0.15 = ',F5.3,' (Danckwardt - cargo ship)')")                                    \
  F(OM_SSPA_1, "('   w*(1.57-2.3Cb/Cwp+1.5Cb) = ', 'w*',F5.3, ' (SSPA - Kargo Gemisi' )",          \
    "('   w*(1.57-2.3Cb/Cwp+1.5Cb) = ','w*',F5.3,' (SSPA - cargo ship)')")                         \
  F(OM_HECK_CARGO_T2, "('   0.50*Cp-0.18 = ', F5.3, ' (Heckscher-Kargo Gemisi)' )",                \
    "('   0.50*Cp-0.18 = ',F5.3,' (Heckscher - cargo ship)')")                                     \
  F(OM_DANCKWARDT_2, "('   0.52*Cp-0.18 = ', F5.3, ' (Dacknwardt-kargo Gemisi' )",                 \
    "('   0.52*Cp-0.18 = ',F5.3,' (Danckwardt - cargo ship)')")                                    \
  F(OM_SSPA_2, "('   w*(1.67-2.3Cb/Cwp+1.5Cb) = ', 'w*',F5.3, ' (SSPA - Kargo Gemisi' )",          \
    "('   w*(1.67-2.3Cb/Cwp+1.5Cb) = ','w*',F5.3,' (SSPA - cargo ship)')")                         \
  F(OM_HOLTROP_78, "('   0.325*Cb-0.1885*Dp/(B*T)^0.5 = ',F5.3, ' (Holtrop ve Mennen(1978)' )",    \
    "('   0.325*Cb-0.1885*Dp/(B*T)^0.5 = ',F5.3,' (Holtrop and Mennen (1978))')")                  \
  F(OM_ETAR_TITLE, "('   Rolatif Donme Verimi - eta_r')",                                          \
    "('   Relative rotative efficiency - etaR')")                                                  \
  F(OM_ETAR_RANGE, "('   eta_r = 0.95 - 1.05 - Tek Pervaneli Gemiler ')",                          \
    "('   etaR = 0.95 - 1.05 - single-screw ships')")                                              \
  F(OM_ETAR_ALTE, "('   eta_r = 1.0 (Tek Pervane); 0.98 (Cift Pervane) - Alte and Baur (1986) ')", \
    "('   etaR = 1.0 (single screw); 0.98 (twin screw) - Alte and Baur (1986)')")                  \
  F(OM_ETAR_HELM,                                                                                  \
    "('   0.826+0.01L/Dep^0.333+0.02B/T+0.1*Cm = ', F5.3,  ' (Helm(1980) Tek Pervaneli Kucuk "     \
    "Gemiler)' )",                                                                                 \
    "('   0.826+0.01L/Dep^0.333+0.02B/T+0.1*Cm = ',F5.3,' (Helm (1980) small single-screw "        \
    "ships)')")                                                                                    \
  F(OM_ETAR_JENSEN, "('   eta_r = 1.02-1.06 (Tek Pervane) - Jensen(1994) ')",                      \
    "('   etaR = 1.02-1.06 (single screw) - Jensen (1994)')")                                      \
  P(OM_SUMMARY_TITLE, " *** DIGER YONTEMLERE AIT SEVK KATSAYILARI  ****",                          \
    " *** PROPULSION FACTORS BY OTHER METHODS  ****")                                              \
  F(OM_SUMMARY_SHIP,                                                                               \
    "(1X,'L=',F6.2,' m. - B=',F6.3,' m. - T=',F6.3,    ' m. - Depl=',F8.2,' ton')",                \
    "(1X,'L=',F6.2,' m - B=',F6.3,' m - T=',F6.3,' m - Displacement=',F8.2,' t')")

// Sea margin and the speeds of a propulsion run.
#define VDK_TEXTS_SEA_MARGIN(F, P)                                                             \
  F(TOO_FEW_SPEEDS, "(3X,'HIZ SAYISI 4 den KUCUK GIRILDI BU DURUMDA SEVK ANALIZI YAPILAMAZ')", \
    "(3X,'Only 4 speeds or fewer are given: no propulsion analysis is possible')")             \
  F(PROGRAM_HALTED, "(3X,'     PROGRAM DURDURULDU')", "(3X,'     Program halted')")            \
  F(SEA_MARGIN, "(2X,' Deniz Marjini = %',F4.0,                         ' alinmistir')",       \
    "(2X,' Sea margin taken =',F4.0,' % (not included in the powers of this report)')")

// Trial-condition propeller.
#define VDK_TEXTS_TRIAL(F, P)                                                                     \
  F(TRIAL_TITLE, "(2X,'SEYIR TECRUBESI SARTLARINI SAGLAYAN OPTIMUM PERVANENIN TESPITI')",         \
    "(2X,'DETERMINATION OF THE OPTIMUM PROPELLER FOR THE TRIAL CONDITION')")                      \
  F(TRIAL_EXPLANATION,                                                                            \
    "(2X,'(Pervane seyir tecrubesi sirasinda makinadan aldigi gucu'/2X,' absorbe etmelidir. "     \
    "Boylece optimum devir (RPM) maximum'/2x,' pervane verimine karsi gelir.)')",                 \
    "(2X,'(On trial the propeller must absorb the power it receives'/2X,' from the engine. The "  \
    "optimum revolutions (RPM) then'/2X,' give the maximum propeller efficiency.)')")             \
  F(TRIAL_ETAD, "(4X,'BASLANGIC ICIN VARSAYILAN etaD = ',F5.3,         2X,'OLARAK ALINMISTIR')",  \
    "(4X,'Overall propulsive efficiency assumed to start, etaD = ',F5.3)")                        \
  F(TRIAL_NPROP, "(2X,'  Pervane Sayisi - NPROP = ',I2)",                                         \
    "(2X,'  Number of propellers - NPROP = ',I2)")                                                \
  F(KELLER_RATIO,                                                                                 \
    "(//4X,'KELLER FORMULUNE GORE GEREKLI ACINIM ALANI ORANI - Ear = ', F5.3,/'    OLARAK "       \
    "BULUNMUSTUR')",                                                                              \
    "(//4X,'Expanded area ratio required by the Keller formula - Ear = ',F5.3,/'    (for the "    \
    "blade number given)')")                                                                      \
  F(DIAMETER_NOTE_1,                                                                              \
    "(/2X,'  Onemli Not:Kullanilan optimizasyon secenegi geregi olarak'/4x,'pervane capi KELLER " \
    "formulu nde belirli degildir.')",                                                            \
    "(/2X,'  Important note: with the optimisation chosen (rpm given)'/4X,'the propeller "        \
    "diameter is not known to the Keller formula.')")                                             \
  F(DIAMETER_NOTE_2,                                                                              \
    "(4X,'Bu durumda duzlenmis acinim alani tahminini KELLER '/4X,'bagintisina birakmak yanlis "  \
    "sonuc verir.'/4X,'Bu zorluk, programin tekrarli calistirmalari ile'/4X,'BURRIL bagintisi "   \
    "sonuclari kullanilarak asilmalidir.'/4X,'Bu durumda sorulan secenege EVET cevabi ile "       \
    "birlikte'/4X,'daha dusuk acinim alani orani girmek yerinde olur.'/4X,'(VARDELONTEKSA "       \
    "gelistiricilerinin notu)')",                                                                 \
    "(4X,'Leaving the expanded area ratio to the Keller formula'/4X,'therefore gives a wrong "    \
    "result.'/4X,'Overcome this by running the program again and using'/4X,'the results of the "  \
    "Burrill check: answer the question'/4X,'that follows with YES (Y) and enter a lower "        \
    "expanded'/4X,'area ratio.'/4X,'(note of the VARDELONTEKSA developers)')")                    \
  F(KELLER_TITLE, "(2X,'KELLER KAVITASYON KRITERINE GORE ACINIM ALANI KONTROLU')",                \
    "(2X,'EXPANDED AREA RATIO CHECK - KELLER CAVITATION CRITERION')")                             \
  F(KELLER_EAR, "(2X,'Mevcut EAR = ',F6.3,' /         Keller EAR = ' ,F6.3)",                     \
    "(2X,'EAR in use = ',F6.3,' /         Keller EAR = ',F6.3)")                                  \
  F(REQUIRED_PROPELLER, "(3X,'========= GEREKEN PERVANE HESABI ======== ')",                      \
    "(3X,'========= REQUIRED PROPELLER ======== ')")                                              \
  F(PROPELLER_DIAMETER, "(2X,'PERVANEYE CAPI = ',F5.3,' m dir')",                                 \
    "(2X,'Propeller diameter = ',F5.3,' m')")                                                     \
  F(POWER_NEEDED, "(2X,'PERVANENE VERILMESI GEREKEN GUC    = ',F8.2,' kW ')",                     \
    "(2X,'Power to be delivered to each propeller = ',F8.2,' kW')")                               \
  F(POWER_ABSORBED, "(2X,'PERVANENIN ABSORBE EDEBILECEGI GUC = ',F8.2,' kW ')",                   \
    "(2X,'Power the propeller can absorb -------- = ',F8.2,' kW')")                               \
  F(ETAD_ASSUMED, "(2X,'VARSAYILAN VERIM = ',F5.3)", "(2X,'Assumed efficiency etaD  = ',F5.3)")   \
  F(ETAD_COMPUTED, "(2X,'HESAPLANAN VERIM = ',F5.3)", "(2X,'Computed efficiency etaD = ',F5.3)")

// Propeller search and operating point.
#define VDK_TEXTS_PROPELLER(F, P)                                                             \
  F(SEARCH_TITLE_J2, "(//5X,'Pervane Karakteristikleri - Kt/J^2 = ',F6.3/)",                  \
    "(//5X,'Propeller characteristics - KT/J^2 = ',F6.3/)")                                   \
  F(SEARCH_TITLE_J4, "(//5X,'Pervane Karakteristikleri - Kt/J^4 = ',F6.3/)",                  \
    "(//5X,'Propeller characteristics - KT/J^4 = ',F6.3/)")                                   \
  F(SELECTED_CANDIDATE, "(/,' SECILEN PERVANE = ',I2,'. PERVANEDIR')",                        \
    "(/,' Selected propeller = candidate ',I2)")                                              \
  F(CP_CORRECTION_CONSOLE, "(' HESAPLARDA C.P. PERVANE DUZELTMESI YAPILMISTIR')",             \
    "(' Controllable-pitch propeller correction applied in the calculation')")                \
  F(CP_CORRECTION, "(' (HESAPLARDA C.P. PERVANE DUZELTMESI YAPILMISTIR)    '/)",              \
    "(' (Controllable-pitch propeller correction applied in the calculation)'/)")             \
  F(OPERATING_REVOLUTIONS,                                                                    \
    "(' RPS=',F7.3,' dev/san',1X,'RPM=',F7.2,1X,'TORK=',F8.3,' kNm',1X,'Pd=',F7.1,' kW')",    \
    "(' RPS=',F7.3,' rev/s',1X,'RPM=',F7.2,1X,'Torque Q= ',F8.3,' kNm',1X,'Pd=',F7.1,' kW')") \
  F(THRUST_NOT_REACHED, "(' UYARI: GEREKEN ITME P/D=1.40 ILE SAGLANAMADI')",                  \
    "(' Warning: the required thrust is not reached with P/D=1.40')")                         \
  F(GIVEN_PROPELLER, "(/,' BELIRLENEN PERVANE KULLANILMISTIR.')",                             \
    "(/,' The given propeller has been used.')")                                              \
  F(SERIES_WAGENINGEN, "(' HESAPLARDA WAGENINGEN B SERISI KULLANILMISTIR')",                  \
    "(' The Wageningen B-series has been used in the calculation')")                          \
  F(SERIES_GAWN, "(' HESAPLARDA GAWN / BURRIL SERISI KULLANILMISTIR')",                       \
    "(' The Gawn / Burrill series has been used in the calculation')")

// Cavitation and tip-vortex checks.
#define VDK_TEXTS_CAVITATION(F, P)                                                               \
  F(SIGMA_OUT_OF_RANGE,                                                                          \
    "(3/1X'HATA - PERVANE KAVITASYON SAYISI - Sigma = ',    F6.3,' LIMITLERIN DISINDA KALDI.')", \
    "(3/1X,'Error - the cavitation number of the propeller Sigma = ',F6.3,' is out of range.')") \
  F(SIGMA_LIMITS, "(1X,'LIMITLER  0.18<Sigma<1.5 dir.')", "(1X,'Limits: 0.18<Sigma<1.5')")       \
  F(NO_BURRILL, "(1X'BU DURUMDA BURRIL ANALIZI YAPILAMAZ.')",                                    \
    "(1X,'The Burrill analysis cannot be made in this case.')")                                  \
  F(CHANGE_IMMERSION, "(1X,'LUTFEN SAFT DERINLIGINI VEYA PERVANE DEVRINI DEGISTIRIN.')",         \
    "(1X,'Please change the shaft immersion or the propeller rpm.')")                            \
  F(BURRILL_TITLE, "(2X,'BURRIL KAVITASYON KRITERINE GORE ACINIM ALANI KONTROLU')",              \
    "(2X,'EXPANDED AREA RATIO CHECK - BURRILL CAVITATION CRITERION')")                           \
  F(BURRILL_EAR, "(2X,'Mevcut EAR = ',F6.3,' =>  ',' Sigma = ',         F5.3,' Tauc = ',F5.3)",  \
    "(2X,'EAR in use = ',F6.3,' =>  ',' Sigma = ',F5.3,' tauc = ',F5.3)")                        \
  F(BURRILL_25, "(2X,'%2.5 Sirt Kavitasyon Hattina Gore Min. EAR = ',   F6.3)",                  \
    "(2X,'Min. EAR for 2.5 % back cavitation ------- = ',F6.3)")                                 \
  F(BURRILL_50, "(2X,'%5.0 Sirt Kavitasyon Hattina Gore Min. EAR = ',   F6.3)",                  \
    "(2X,'Min. EAR for 5.0 % back cavitation ------- = ',F6.3)")                                 \
  F(BURRILL_UPPER, "(2X,'Tavsiye edilen ust sinir icin Minimum  EAR = ',   F6.3)",               \
    "(2X,'Min. EAR for the recommended upper limit - = ',F6.3)")                                 \
  F(TIP_SPEED_TITLE, "(2X,'UC HIZINA GORE KANAT UCU GIRDABI TEHLIKESI KONTROLU')",               \
    "(2X,'TIP-VORTEX RISK CHECK BY THE BLADE TIP SPEED')")                                       \
  F(TIP_SPEED, "(2X,'Vtip = ',F6.3,' m/s',2X,'(Vtip < 30 m/s olmali - Yaklasik)')",              \
    "(2X,'Vtip = ',F6.3,' m/s',2X,'(Vtip < 30 m/s wanted - approximate)')")                      \
  F(WAGENINGEN_TITLE, "(2X,'WAGENINGEN KAVITASYON KRIT. GORE ACINIM ALANI KONTROLU')",           \
    "(2X,'EXPANDED AREA RATIO CHECK - WAGENINGEN CRITERION')")                                   \
  F(TIP_VORTEX_TITLE, "(2X,'KANAT UCU GIRDABI (TIP VORTEX) TEHLIKESI KONTROLU')",                \
    "(2X,'TIP-VORTEX RISK CHECK')")                                                              \
  F(TIP_VORTEX, "(2X,'Vtip = ',F6.3,' m/s',2X,'(Vtip-Kanat ucu hizi<30 m/s olmali)')",           \
    "(2X,'Vtip = ',F6.3,' m/s',2X,'(Vtip, the blade tip speed, should be <30 m/s)')")

// Power chain and selected propeller.
#define VDK_TEXTS_POWER_CHAIN(F, P)                                                 \
  F(PB_TITLE, "(2X,'SEYIR TECRUBESI SIRASINDA GEREKLI GUC - Pb ')",                 \
    "(2X,'BRAKE POWER AT TRIAL - Pb')")                                             \
  F(PBM_TITLE, "(2X,'HESAPLANAN GEREKLI MAKINA GUCU - Pbm')",                       \
    "(2X,'REQUIRED ENGINE POWER - Pbm')")                                           \
  F(PBD_TITLE, "(2X,'PERVANEYE VERILEN GUC - Pbdeliv')",                            \
    "(2X,'POWER DELIVERED TO THE PROPELLER - Pbdeliv')")                            \
  F(LEGEND_POWER, "(8X,'ACIKLAMALAR')", "(8X,'LEGEND')")                            \
  F(POWER_LEGEND_ETAD, "(3X,'etad : Genel Sevk Verimi = etah  * eta0  *  etarr ')", \
    "(3X,'etad : Overall propulsive efficiency = etaH * eta0 * etaR')")             \
  F(POWER_LEGEND_FACTORS, "(28X,'=',1X,F5.3,' * ',F5.3,' * ',F5.3))",               \
    "(40X,'=',1X,F5.3,' * ',F5.3,' * ',F5.3)")                                      \
  F(POWER_LEGEND_ETAS, "(3X,'etas : transmisyon verimi (saft kayiplari)')",         \
    "(3X,'etas : Transmission efficiency (shaft losses)')")                         \
  F(POWER_LEGEND_MCR, "(3X,'%MCR : Maximum surekli devir (max. cont.rate')",        \
    "(3X,'%MCR : Engine load, fraction of the maximum continuous rating')")         \
  F(SELECTED_TITLE, "(10X,'SECILEN PERVANE')", "(10X,'SELECTED PROPELLER')")        \
  F(SELECTED_N, "(2X,'DEVIR            -     N  = ',F8.3,' RPM')",                  \
    "(2X,'Revolutions ---------- N  = ',F8.3,' rpm')")                              \
  F(SELECTED_Z, "(2X,'KANAT SAYISI     -     Z  = ',I4  )",                         \
    "(2X,'Number of blades ----- Z  = ',I4)")                                       \
  F(SELECTED_J, "(2X,'ILERLEME KATSAYISI   - J  = ',F5.3)",                         \
    "(2X,'Advance ratio -------- J  = ',F5.3)")                                     \
  F(SELECTED_KT, "(2X,'ITME SABITI      -    Kt  = ',F5.3)",                        \
    "(2X,'Thrust coefficient -- KT  = ',F5.3)")                                     \
  F(SELECTED_KQ, "(2X,'MOMENT SABITI    -  10Kq  = ',F5.3)",                        \
    "(2X,'Torque coefficient - 10KQ = ',F5.3)")                                     \
  F(SELECTED_ETA0, "(2X,'ACIK SU VERIMI   - ETA-0  = ',F5.3)",                      \
    "(2X,'Open-water eff. ---- eta0 = ',F5.3)")                                     \
  F(SELECTED_PD, "(2X,'PIC ORANI - P/D  - SABIT  = ',F5.3)",                        \
    "(2X,'Pitch ratio, fixed -- P/D = ',F5.3)")                                     \
  F(SELECTED_EAR, "(2X,'ACINIM ALANI ORANI - EAR  = ',F5.3)",                       \
    "(2X,'Expanded area ratio - EAR = ',F5.3)")                                     \
  F(SELECTED_D, "(2X,'PERVANE CAPI  - DIAM      = ',F8.3, ' m')",                   \
    "(2X,'Propeller diameter --- D  = ',F8.3,' m')")                                \
  F(SELECTED_P, "(2X,'HATVE MIKTARI  - P        = ',F8.3, ' m')",                   \
    "(2X,'Pitch ---------------- P  = ',F8.3,' m')")

// Open-water and minimum-service tables.
#define VDK_TEXTS_CHARACTERISTICS(F, P)                                                            \
  F(OPEN_WATER_WAGENINGEN, "(2/10X,'WAGENINGEN B SERISI PERVANE ACIK SU KARAKTERISTIKLERI')",      \
    "(2/10X,'OPEN-WATER CHARACTERISTICS OF THE WAGENINGEN B-SERIES PROPELLER')")                   \
  F(OPEN_WATER_GAWN, "(2/14X,'GAWN SERISI PERVANE ACIK SU KARAKTERISTIKLERI')",                    \
    "(2/14X,'OPEN-WATER CHARACTERISTICS OF THE GAWN SERIES PROPELLER')")                           \
  F(OW_D, "(7X,'| CAP - D (m)         =  ',F8.2,3X,'|',3X,'J      =  ',F6.4,'  |')",               \
    "(7X,'| Diameter D (m)      =  ',F8.2,3X,'|',3X,'J      =  ',F6.4,'  |')")                     \
  F(OW_TH, "(7X,'| ITME - TH   (kN)    =  ',F8.2,3X,'|',3X,'KT     =  ',F6.4,'  |')",              \
    "(7X,'| Thrust TH (kN)      =  ',F8.2,3X,'|',3X,'KT     =  ',F6.4,'  |')")                     \
  F(OW_PD, "(7X,'| GUC - PD    (kW)    =  ',F8.2,3X,'|',3X,'10KQ   =  ',F6.4,'  |')",              \
    "(7X,'| Power PD (kW)       =  ',F8.2,3X,'|',3X,'10KQ   =  ',F6.4,'  |')")                     \
  F(OW_N, "(7X,'| RPM                 =  ',F8.2,3X,'|',3X,'T      =  ',F6.4,'  |')",               \
    "(7X,'| RPM                 =  ',F8.2,3X,'|',3X,'t      =  ',F6.4,'  |')")                     \
  F(OW_VS, "(7X,'| GEMI HIZI-VS(KNOT)  =  ',F8.2,3X,'|',3X,'WT     =  ',F6.4,'  |')",              \
    "(7X,'| Ship speed VS (kn)  =  ',F8.2,3X,'|',3X,'w      =  ',F6.4,'  |')")                     \
  F(OW_Z, "(7X,'| KANAT SAYISI (Z)    =  ',F6.0,5X,'|',3X,'Ae     =  ',F6.4,'  |')",               \
    "(7X,'| Blade number Z      =  ',F6.0,5X,'|',3X,'AE/A0  =  ',F6.4,'  |')")                     \
  F(OW_ROWS_HEAD, "(7X,'|  No',4X,'J',7X,'KT',5X,'10KQ',4X,'ETA0',8X,'Bp',6X,'Delta |')",          \
    "(7X,'|  No',4X,'J',7X,'KT',5X,'10KQ',4X,'eta0',8X,'Bp',6X,'delta |')")                        \
  P(SERVICE_TITLE, "    SEVK KARAKTERISTIKLERI - MINIMUM SERVIS",                                  \
    "    PROPULSION CHARACTERISTICS - MINIMUM SERVICE")                                            \
  P(SERVICE_HEAD,                                                                                  \
    "|  Vs    |   PE   | ThDF |  WFT | ETAH | ETAR | ETA0 | ETAD |   PB   |  RPM  |",              \
    "|  Vs    |   PE   |   t  |   w  | etaH | etaR | eta0 | etaD |   PB   |  RPM  |")              \
  F(SERVICE_NOT_COMPUTABLE, "(' ACIK SU TABLOSU YETERSIZ - SERVIS TABLOSU HESAPLANAMADI')",        \
    "(' Open-water table insufficient - the service table cannot be computed')")                   \
  F(SERVICE_LEGEND_PE, "(3X,'PE  : Efektif guc degeri - kW')",                                     \
    "(3X,'PE  : Effective power - kW')")                                                           \
  F(SERVICE_LEGEND_T, "(3X,'ThDF: Itme azalmasi katsayisi')",                                      \
    "(3X,'t   : Thrust deduction fraction')")                                                      \
  F(SERVICE_LEGEND_W, "(3X,'WFT : Efektif iz katsayisi')", "(3X,'w   : Effective wake fraction')") \
  F(SERVICE_LEGEND_ETAR, "(3X,'ETAR: Pervane rolatif donme verimi')",                              \
    "(3X,'etaH: Hull efficiency'/3X,'etaR: Relative rotative efficiency')")                        \
  F(SERVICE_LEGEND_ETA0, "(3X,'ETA0: Pervane acik su verimi')",                                    \
    "(3X,'eta0: Open-water efficiency')")                                                          \
  F(SERVICE_LEGEND_ETAD, "(3X,'ETAD: Genel sevk verimi - (1-ThDF)/(1-WFT)*ETA0*ETAR')",            \
    "(3X,'etaD: Overall propulsive efficiency - (1-t)/(1-w)*eta0*etaR')")                          \
  F(SERVICE_LEGEND_PB, "(3X,'PB  : Minimum makina gucu - kW')",                                    \
    "(3X,'PB  : Minimum brake power - kW')")                                                       \
  F(SERVICE_LEGEND_RPM, "(3X,'RPM : Pervane devir sayisi - devir/dakika')",                        \
    "(3X,'RPM : Propeller revolutions per minute')")                                               \
  F(SERVICE_TRANSMISSION,                                                                          \
    "(3X,' Not: Transmisyon verimi Etatr = ',F6.3,'; PB - Makina gucune dahildir')",               \
    "(3X,' Note: the transmission efficiency etaT = ',F6.3,' is included in PB')")                 \
  F(POD_NOTE, "(3X,' Not: Sevk Katsayilarinda POD lu pervane duzeltmes i yapilmistir.')",          \
    "(3X,' Note: the propulsion factors include a podded-propeller correction.')")                 \
  F(POD_SOURCE, "(3X,' Kaynak: A Parametric power prediction model for t ractor pods.')",          \
    "(3X,' Source: A parametric power prediction model for tractor pods.')")                       \
  F(POD_AUTHORS, "(3X,' Yazarlar: kaynak raporun yazarlari (uc yazarli calisma)')",                \
    "(3X,' Authors: the authors of the source report (three authors)')")

// Stops of the calculation.
#define VDK_TEXTS_STOPS(F, P)                                                                      \
  F(PRISMATIC_STOP, "('  PRIZMATIK KATSAYI(Lpp YE GORE) ------> CP = ',F5.3', >1 OLDU. - STOP')",  \
    "('  Prismatic coefficient (on Lpp) ------> CP = ',F5.3,' is >1 - STOP')")                     \
  F(PRISMATIC_CM, "('  CM DE YANLISLIK OLABILIR.- STOP')",                                         \
    "('  The midship coefficient CM may be wrong - STOP')")                                        \
  F(BULB_STOP, "(2X,'*** BALP ALAN MERK. YUKSEKLIGI ASIRI OLABILIR ***  ')",                       \
    "(2X,'*** The bulb area centroid may be too high ***  ')")                                     \
  F(BULB_STOP_END, "(2X,'*** PROGRAM BURADA DURACAK ***')",                                        \
    "(2X,'*** The program stops here ***')")                                                       \
  F(TEMPERATURE_STOP, "(///' MODEL DENEY SICAKLIGI TABLO DISI - STOP')",                           \
    "(///' Model test temperature outside the water table - STOP')")                               \
  F(TEMPERATURE, "(2X,'T =',F8.2,' derece')", "(2X,'T =',F8.2,' deg C')")                          \
  F(TRIAL_NOT_LISTED,                                                                              \
    "(/// ' SEYIR TECRUBESI HIZI Vtrial = ',F6.3,           ' knot HIZLAR LISTESINDE BULUNAMADI "  \
    "- STOP')",                                                                                    \
    "(///' Trial speed Vtrial = ',F6.3,' kn is not in the speed list - STOP')")                    \
  F(UNUSABLE_ETAD,                                                                                 \
    "(/4X,'etad = ',F8.3,' KULLANILAMAZ - GENEL VERIM SIFIRDAN BUYUK OLMALIDIR - STOP')",          \
    "(/4X,'etad = ',F8.3,' cannot be used - the overall efficiency must be above zero - STOP')")   \
  F(UNUSABLE_BLADES,                                                                               \
    "(/4X,'Z = ',F8.3,' KULLANILAMAZ - KANAT SAYISI 2 ILE 7 ARASINDA TAM SAYI OLMALIDIR - STOP')", \
    "(/4X,'Z = ',F8.3,' cannot be used - the blade number must be a whole number from 2 to 7 - "   \
    "STOP')")                                                                                      \
  F(UNUSABLE_AREA_RATIO,                                                                           \
    "(/4X,'Ear = ',F8.3,' KULLANILAMAZ - ACINIM ALANI ORANI SIFIRDAN BUYUK OLMALIDIR - STOP')",    \
    "(/4X,'Ear = ',F8.3,' cannot be used - the expanded area ratio must be above zero - STOP')")   \
  F(NO_PROPELLER, "(' UYGUN PERVANE BULUNAMADI - STOP')",                                          \
    "(' No suitable propeller found - STOP')")                                                     \
  F(EFFICIENCY_MISMATCH,                                                                           \
    "(2X,'VARSAYILAN VERIM = ',F5.3,' ILE HESAPLANAN VERIM ', F5.3/'  BIRBIRLERINDEN',' FARKLI "   \
    "CIKTIGI ICIN PROGRAMI '/'  ETAD = ',F5.3,' YE YAKIN BIR DEGER ILE YENIDEN BASLATMAK GEREKIR " \
    "- STOP'//)",                                                                                  \
    "(2X,'The assumed efficiency ',F5.3,' and the computed efficiency ',F5.3/'  differ: start "    \
    "the program again'/'  with a value close to ETAD = ',F5.3,' - STOP'//)")                      \
  F(DESIGN_SPEED_NOT_FOUND,                                                                        \
    "(' SUB PROPULSION_CHARACTERISTICS_II ''DE'/'  DIZAYN HIZI BULUNAMADI - STOP')",               \
    "(' In PROPULSION_CHARACTERISTICS_II:'/'  the design speed is not found - STOP')")

// The lines of the published methods that the classic report does not have.
#define VDK_TEXTS_PUBLISHED_METHOD(F, P)                                                \
  P(METHOD_HM1982, "HOLTROP & MENNEN (1982) YAYINLANDIGI GIBI - hm1982",                \
    "HOLTROP & MENNEN (1982) AS PUBLISHED - hm1982")                                    \
  P(METHOD_HM1984, "HOLTROP (1984) YAYINLANDIGI GIBI - hm1984",                         \
    "HOLTROP (1984) AS PUBLISHED - hm1984")                                             \
  P(METHOD_BANNER, "   YONTEM: ", "   METHOD: ")                                        \
  F(METHOD_LINE, "(2X,'HESAP YONTEMI: ',A)", "(2X,'METHOD: ',A)")                       \
  F(S_BARE_ESTIMATED, "(2X,'TAHMINI ISLAK YUZEY (ciplak tekne)--> S =',F9.2, ' m2')",   \
    "(2X,'Est. wetted surface (bare hull) ----> S =',F9.2,' m2')")                      \
  F(S_BARE_USED, "(2X,'GERCEK ISLAK YUZEY (ciplak tekne) --> S =',F9.2, ' m2')",        \
    "(2X,'Wetted surface used (bare hull) ----> S =',F9.2,' m2')")                      \
  F(WAVE_1982, "(2X,'1982 DALGA DIRENCI FORMULU (TUM HIZLAR)')",                        \
    "(2X,'WAVE RESISTANCE BY THE 1982 FORMULA (ALL SPEEDS)')")                          \
  F(CA_ROUGHNESS,                                                                       \
    "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3 ,' (HOLTROP+PURUZLULUK) ')", \
    "(2X,'Correlation allowance ------- CA*1000 = ',F5.3,' (Holtrop + roughness)')")    \
  F(PS_TITLE, "(2X,'SERVIS GUCU - Ps (DM: DENIZ MARJINI)')",                            \
    "(2X,'SERVICE POWER - Ps (DM: SEA MARGIN)')")

#define VDK_TEXT_SECTIONS(S)                                               \
  S(VDK_TEXTS_BANNERS, "banners and closing texts")                        \
  S(VDK_TEXTS_CONSOLE, "console: pauses, questions, answers and files")    \
  S(VDK_TEXTS_INPUT_SUMMARY, "input summary and output heading")           \
  S(VDK_TEXTS_SPEED_BLOCKS, "speed blocks")                                \
  S(VDK_TEXTS_RESISTANCE_TABLES, "resistance tables")                      \
  S(VDK_TEXTS_MODEL_SCALE, "model-scale table and its legend")             \
  S(VDK_TEXTS_MODEL_FILE, "model-resistance file")                         \
  S(VDK_TEXTS_OTHER_METHODS, "propulsion factors by other methods")        \
  S(VDK_TEXTS_SEA_MARGIN, "sea margin and the speeds of a propulsion run") \
  S(VDK_TEXTS_TRIAL, "trial-condition propeller")                          \
  S(VDK_TEXTS_PROPELLER, "propeller search and operating point")           \
  S(VDK_TEXTS_CAVITATION, "cavitation and tip-vortex checks")              \
  S(VDK_TEXTS_POWER_CHAIN, "power chain and selected propeller")           \
  S(VDK_TEXTS_CHARACTERISTICS, "open-water and minimum-service tables")    \
  S(VDK_TEXTS_STOPS, "stops of the calculation")                           \
  S(VDK_TEXTS_PUBLISHED_METHOD, "lines of the published methods")

namespace tx {
#define VDK_FORMAT_TEXT(name, tr, en) inline constexpr Text name{#name, true, {tr, en}};
#define VDK_PLAIN_TEXT(name, tr, en) inline constexpr Text name{#name, false, {tr, en}};
#define VDK_SECTION_TEXTS(section, title) section(VDK_FORMAT_TEXT, VDK_PLAIN_TEXT)
VDK_TEXT_SECTIONS(VDK_SECTION_TEXTS)
#undef VDK_SECTION_TEXTS
#undef VDK_PLAIN_TEXT
#undef VDK_FORMAT_TEXT
}  // namespace tx

// A section of the catalogue: its title and its texts in report order.
struct TextSection {
  std::string_view title;
  std::span<const Text* const> texts;
};

// Every section of the catalogue, in report order.
std::span<const TextSection> TEXT_CATALOGUE();

// The names of the appendage kinds 1 to NUM_APPENDAGES, in the order of
// their groups of the data file (the Turkish ones are the data file's own).
std::span<const Text* const> APPENDAGE_NAMES();

// The plain text of the catalogue whose Turkish text is `turkish`, in
// language `l`; `turkish` itself when the catalogue has none. The pauses
// take their prompts from the calculation in Turkish; they are shown
// translated through this.
std::string_view TRANSLATED(std::string_view turkish, Lang l);

}  // namespace vdk
