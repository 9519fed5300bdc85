#include "report/banners.hpp"

#include "format/format.hpp"

namespace vdk {

void PROGRAM_BANNER(std::ostream& con, std::ostream& son) {
  for (std::ostream* unit : {&con, &son}) {
    WRITE_FORMATTED(*unit, "(1X,72('-'))");
    WRITE_FORMATTED(
        *unit, "(1X,'!   VARDELONTEKSA 1.0  -  the VARDELONTEKSA developers                 !')");
    WRITE_FORMATTED(*unit, "(' !',70X,'!')");
    WRITE_FORMATTED(*unit, "(' !',13X,'GEMI GUC KARAKTERISTILERI HESAP PROGRAMI',16X,' !')");
    WRITE_FORMATTED(*unit, "(1X,72('-'))");
  }
}

void CLOSING_NOTICE(std::ostream& unit, int nblank) {
  for (int i = 0; i < nblank; ++i) WRITE_LIST(unit);
  static constexpr const char* kBox[16] = {
      "    ------------------------------------------- ",
      "   | BU PROGRAM TARAFIMDAN OGRENCILERE PROJE   |",
      "   | VE DERSLERINDE YARDIMCI OLMAK AMACI ILE   |",
      "   | AMATORCE YAZILMIS BIR PROGRAM OLUP;       |",
      "   | CALISMASI ILE ILGILI PROBLEMLERIN         |",
      "   | vardelonteksa@example.org                 |",
      "   | E-Mail ADRESINE BILDIRILMESI DURUMUNDA    |",
      "   |    CEVAP VERILMEYE CALISILACAKTIR         |",
      "   |                                           |",
      "   | the VARDELONTEKSA developers              |",
      "   | Gemi direnci ve sevk hesaplari            |",
      "   | Acik kaynakli ogrenci ve muhendis araci   |",
      "   | Adres: proje deposu                       |",
      "   | Tel  : -                                  |",
      "   | Faks : -                                  |",
      "   -------------------------------------------- ",
  };
  for (const char* line : kBox) WRITE_LIST(unit, line);
}

void CONSOLE_AUTHOR_BOX(std::ostream& con) {
  static constexpr const char* kBox[7] = {
      "=====================================================",
      "| the VARDELONTEKSA developers                      |",
      "| Gemi direnci ve sevk hesaplari                    |",
      "| Ogrenciler ve gemi insaati muhendisleri icin      |",
      "| Adres: proje deposu                               |",
      "| E-Mail: vardelonteksa@example.org                 |",
      "=====================================================",
  };
  for (const char* line : kBox) WRITE_LIST(con, line);
}

}  // namespace vdk
