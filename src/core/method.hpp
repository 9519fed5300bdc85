// Which resistance and propulsion method a calculation follows. Every
// calculation floor takes it as an input, so it lives at the bottom.
#pragma once

namespace vdk {

// Classic is the program's own method, as its reports have always shown it;
// HM1982 and HM1984 follow the published papers of Holtrop & Mennen (1982)
// and Holtrop (1984): their resistance and propulsion factors, the ITTC-78
// blade-roughness correction of the open-water series, the optimum compared
// at full precision, one propeller throughout and the sea margin applied.
enum class Method { Classic, HM1982, HM1984 };

inline bool PUBLISHED(Method m) {
  return m != Method::Classic;
}

}  // namespace vdk
