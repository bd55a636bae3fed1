#include "ui/language.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace tessaro {
namespace {

struct LanguageRow {
  const char* why;
  std::initializer_list<std::pair<const char*, const char*>> env;
  const char* language;
};

TEST(DesktopLanguage, FollowsLanguageThenTheLocaleAndEnglishWhenNoneFits) {
  const LanguageRow rows[] = {
      {"nothing set: English", {}, ""},
      {"the locale alone", {{"LANG", "es_ES.UTF-8"}}, "es"},
      {"C means English", {{"LANG", "C"}}, ""},
      {"C.UTF-8 too", {{"LANG", "C.UTF-8"}}, ""},
      {"under C, LANGUAGE is not read", {{"LANG", "C"}, {"LANGUAGE", "es"}}, ""},
      {"without a locale, LANGUAGE is not read", {{"LANGUAGE", "de"}}, ""},
      {"LANGUAGE before the locale", {{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "de:fr"}}, "de"},
      {"LC_ALL before LANG", {{"LC_ALL", "de_DE.UTF-8"}, {"LANG", "es_ES.UTF-8"}}, "de"},
      {"LC_MESSAGES before LANG", {{"LC_MESSAGES", "fr_CA"}, {"LANG", "es_ES"}}, "fr"},
      {"a language not spoken", {{"LANG", "it_IT.UTF-8"}}, ""},
      {"the first one spoken", {{"LANG", "it_IT.UTF-8"}, {"LANGUAGE", "it:pt:es"}}, "es"},
      {"English asked for first", {{"LANG", "es_ES.UTF-8"}, {"LANGUAGE", "en_GB:es"}}, ""},
      {"a modifier", {{"LANG", "de_DE@euro"}}, "de"},
      {"upper case", {{"LANG", "FR_fr"}}, "fr"},
  };
  for (const LanguageRow& row : rows) {
    QProcessEnvironment env;
    for (const auto& [name, value] : row.env)
      env.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    EXPECT_EQ(DesktopLanguage(env), QString::fromLatin1(row.language)) << row.why;
  }
}

}  // namespace
}  // namespace tessaro
