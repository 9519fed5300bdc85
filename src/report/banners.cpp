#include "report/banners.hpp"

#include "format/format.hpp"
#include "report/texts.hpp"

namespace vdk {

void PROGRAM_BANNER(std::ostream& con, std::ostream& son, Lang l) {
  for (std::ostream* unit : {&con, &son}) {
    WRITE_FORMATTED(*unit, "(1X,72('-'))");
    WRITE_FORMATTED(
        *unit, "(1X,'!   VARDELONTEKSA 1.0  -  the VARDELONTEKSA developers                 !')");
    WRITE_FORMATTED(*unit, "(' !',70X,'!')");
    WRITE_FORMATTED(*unit, tx::BANNER_TITLE(l));
    WRITE_FORMATTED(*unit, "(1X,72('-'))");
  }
}

void CLOSING_NOTICE(std::ostream& unit, int nblank, Lang l) {
  for (int i = 0; i < nblank; ++i) WRITE_LIST(unit);
  static constexpr const Text* kBox[16] = {
      &tx::CLOSING_BOX_01, &tx::CLOSING_BOX_02, &tx::CLOSING_BOX_03, &tx::CLOSING_BOX_04,
      &tx::CLOSING_BOX_05, &tx::CLOSING_BOX_06, &tx::CLOSING_BOX_07, &tx::CLOSING_BOX_08,
      &tx::CLOSING_BOX_09, &tx::CLOSING_BOX_10, &tx::CLOSING_BOX_11, &tx::CLOSING_BOX_12,
      &tx::CLOSING_BOX_13, &tx::CLOSING_BOX_14, &tx::CLOSING_BOX_15, &tx::CLOSING_BOX_16,
  };
  for (const Text* line : kBox) WRITE_LIST(unit, (*line)(l));
}

void CONSOLE_AUTHOR_BOX(std::ostream& con, Lang l) {
  static constexpr const Text* kBox[7] = {&tx::AUTHOR_BOX_1, &tx::AUTHOR_BOX_2, &tx::AUTHOR_BOX_3,
                                          &tx::AUTHOR_BOX_4, &tx::AUTHOR_BOX_5, &tx::AUTHOR_BOX_6,
                                          &tx::AUTHOR_BOX_7};
  for (const Text* line : kBox) WRITE_LIST(con, (*line)(l));
}

}  // namespace vdk
