// Result scripts of the module with the default settings (two characters,
// six balloon levels, scope base 10, step 100, time 100), written out as the
// module sends them, for running on the model host.
#pragma once

#include <string>

namespace zef::host_model::samples {

inline constexpr const char* kEvenTail = ",--base-offset=left.top,--move-offset=right.bottom";
inline constexpr const char* kOddTail = ",--base-offset=right.top,--move-offset=left.bottom";

// firstZEF: every dummy scope placed, then both sticky groups.
inline std::string firstZef() {
  std::string script;
  for (int scope = 10; scope <= 23; ++scope) {
    int character = scope % 2;
    int base = scope < 12 ? character : 10 + character;
    script += "\\p[" + std::to_string(scope) + "]\\s[__system_dummy__]\\![set,alignmenttodesktop,free]" +
              "\\![move,--X=0,--Y=0,--time=0,--base=" + std::to_string(base) +
              (character == 0 ? kEvenTail : kOddTail) + "]";
  }
  return script + "\\![set,sticky-window,0,10,12,14,16,18,20,22]\\![set,sticky-window,1,11,13,15,17,19,21,23]";
}

// ZEF with "\s[5]Hello.", "\s[10]Hi.", "Bye.".
inline std::string threeUtterances() {
  const std::string even = std::string(kEvenTail) + ",--option=ignore-sticky-window]";
  const std::string odd = std::string(kOddTail) + ",--option=ignore-sticky-window]";
  const std::string head = "\\![moveasync,--X=fix,--Y=";
  return "\\p[12]" + head + "0,--time=100,--base=10" + even +
         "\\p[12]\\b[0]\\f[name,default]\\f[height,12]\\p[0]\\s[5]\\p[12]Hello." +  //
         "\\p[13]" + head + "0,--time=100,--base=11" + odd +                      //
         "\\p[12]" + head + "-100,--time=100,--base=10" + even +                  //
         "\\p[13]\\b[0]\\f[name,default]\\f[height,12]\\p[1]\\s[10]\\p[13]Hi." +     //
         "\\p[14]" + head + "0,--time=100,--base=10" + even +                     //
         "\\p[13]" + head + "-100,--time=100,--base=11" + odd +                   //
         "\\p[12]" + head + "-200,--time=100,--base=10" + even +                  //
         "\\p[14]\\b[0]\\f[name,default]\\f[height,12]Bye.";
}

// A choice of the settings menu: shift character 0's anchor right by 30.
inline constexpr const char* kShiftChoice =
    "\\![*]\\q[30,\"script:\\p[10]\\![moveasync,--X=30,--Y=0,--time=0,--base=me,"
    "--option=ignore-sticky-window]\\![raise,settingZEF]\"]";

}  // namespace zef::host_model::samples
