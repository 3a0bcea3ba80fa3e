#include "base/StringTests.h"

#include <locale>

#include "base/HelperFunctions.h"

namespace zk {

bool AnsiStartsStr(std::string_view Sub, std::string_view Text) { return Text.starts_with(Sub); }
bool AnsiStartsText(std::string_view Sub, std::string_view Text) {
  return AnsiStartsStr(ZKLowerCase(Sub), ZKLowerCase(Text));
}
bool AnsiEndsStr(std::string_view Sub, std::string_view Text) { return Text.ends_with(Sub); }
bool AnsiEndsText(std::string_view Sub, std::string_view Text) {
  return AnsiEndsStr(ZKLowerCase(Sub), ZKLowerCase(Text));
}
bool AnsiSameStr(std::string_view S1, std::string_view S2) { return S1 == S2; }
bool AnsiSameText(std::string_view S1, std::string_view S2) { return ZKLowerCase(S1) == ZKLowerCase(S2); }
bool SameText(std::string_view S1, std::string_view S2) { return AnsiSameText(S1, S2); }

namespace {

// The collation of the environment's locale; a locale name the C library does
// not know falls back to code-point order rather than failing every compare.
const std::collate<char>& ProcessCollate() {
  static const std::locale Locale = [] {
    try {
      return std::locale("");
    } catch (const std::runtime_error&) {
      return std::locale::classic();
    }
  }();
  return std::use_facet<std::collate<char>>(Locale);
}

} // namespace

std::string AnsiCompareTextKey(std::string_view Text) {
  const std::string Lower = ZKLowerCase(Text);
  return ProcessCollate().transform(Lower.data(), Lower.data() + Lower.size());
}

int AnsiCompareText(std::string_view S1, std::string_view S2) {
  const int R = AnsiCompareTextKey(S1).compare(AnsiCompareTextKey(S2));
  return (R > 0) - (R < 0);
}

} // namespace zk
