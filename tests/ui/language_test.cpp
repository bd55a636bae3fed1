#include "ui/language.h"

#include "app/aboutbox.h"
#include "app/commandline.h"
#include "app/mainwindow.h"
#include "graphwindow/graphwindow.h"
#include "harness/harness.h"
#include "numbers/conversionerror.h"
#include "problems/kinds.h"
#include "problemwindow/fileexistsdialog.h"
#include "problemwindow/problemwindow.h"
#include "prefswindow/prefswindow.h"
#include "pseudolanguage.h"
#include "sheetwindow/sheetwindow.h"
#include "themes/fractionswindow.h"
#include "themes/integerswindow.h"
#include "themes/polynomialswindow.h"
#include "toolswindow/toolseditor.h"
#include "ui/ui.h"
#include "working/integerworking.h"
#include "workingwindow/workingwindow.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTranslator>
#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <utility>
#include <vector>

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

// The pseudo language of the tests as a Qt translator, for the program's own texts: Qt's
// dialogs keep their words.
class PseudoTranslator : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (!context || context[0] == 'Q') return {};
    return QString::fromStdString(test::Pseudo(source));
  }
  bool isEmpty() const override { return false; }
};

// Speaks the pseudo language as the program speaks another one: UseLanguage's translators,
// the pseudo translator in front of them.
class PseudoWindows {
 public:
  PseudoWindows() {
    UseLanguage(QStringLiteral("es"));
    QCoreApplication::installTranslator(&translator_);
  }
  ~PseudoWindows() {
    QCoreApplication::removeTranslator(&translator_);
    UseLanguage(QString());
  }

 private:
  PseudoTranslator translator_;
};

QString NameOf(QWidget* w) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  return iface ? iface->text(QAccessible::Name) : QString();
}

TEST(WindowsInAnotherLanguage, TranslateTheirWordsAndKeepNumbersAndNotation) {
  using test::Find;
  using test::TextOf;
  PseudoWindows pseudo;
  // The pure libraries speak through Qt's translators.
  EXPECT_STREQ(ConversionError("1a").what(), "⟦'1a' IS NOT A VALID INTEGER VALUE⟧");
  EXPECT_EQ(CannotCreateFile(QStringLiteral("a1.txt")), "⟦CANNOT CREATE FILE a1.txt⟧");

  TFPrbl problem;
  EXPECT_EQ(problem.windowTitle(), "⟦PROBLEM⟧");
  EXPECT_EQ(TextOf(&problem, "EtEn"), "⟦QUESTION⟧");
  EXPECT_EQ(NameOf(Find(&problem, "IdE")), "⟦QUESTION⟧") << "a field is named by its label";
  EXPECT_EQ(NameOf(Find(&problem, "BtGrd")), "⟦SAVE⟧");
  const MadeProblem made = MakeProblem(IntegerListParams{{12, 18}});
  ASSERT_TRUE(made.texts);
  problem.Show({*made.texts, {{IntegerListParams{{12, 18}}, *made.texts}}});
  EXPECT_EQ(TextOf(&problem, "IdE"), "⟦CALCULATE THE ⟦HCD⟧ AND ⟦LCM⟧ OF 12, 18⟧");
  EXPECT_EQ(TextOf(&problem, "IdR"), "⟦HCD⟧(12, 18) = 6\n⟦LCM⟧(12, 18) = 36\n");

  TFOps fileExists;
  EXPECT_EQ(TextOf(&fileExists, "BtAdd"), "⟦ADD TO IT⟧");

  TFTools tools;
  EXPECT_EQ(NameOf(Find(&tools, "LT")), "⟦TOOLS⟧");
  EXPECT_EQ(NameOf(Find(&tools, "BtNou")), "⟦NEW TOOL⟧");

  TFGraph graph;
  Polynomial p{};
  PolFromText("x^2-1", p);
  graph.FollowPolynomial(p, QStringLiteral("A"));
  EXPECT_EQ(TextOf(&graph, "IdFacts"),
            "A(x) = x^2-1\n⟦REAL ROOTS: -1, 1.⟧\n⟦TURNING POINT: (0, -1).⟧");
  EXPECT_EQ(NameOf(Find(&graph, "PGraph")), "⟦GRAPH OF A(x) = x^2-1⟧");

  TFWork work;
  work.ShowWorking(QStringLiteral("t"), HcdLcmWorking(12, 18));
  EXPECT_EQ(work.windowTitle(), "⟦WORKING: t⟧");
  EXPECT_EQ(work.PlainText(), QString::fromUtf8("18 = 1·12 + 6\n12 = 2·6 + 0\n⟦HCD⟧(12,18) = 6\n"
                                                "⟦LCM⟧(12,18) = 12·18 ÷ 6 = 36"));
  work.hide();
}

TEST(WindowsInAnotherLanguage, SpeakEnglishAgainWithoutTheTranslator) {
  { PseudoWindows pseudo; }
  TFPrbl problem;
  EXPECT_EQ(problem.windowTitle(), "Problem");
  EXPECT_STREQ(ConversionError("1a").what(), "'1a' is not a valid integer value");
}

TEST(WindowsInAnotherLanguage, ThemesWorksheetMainAndPreferencesKeepNumbersAndNotation) {
  using test::Find;
  using test::TextOf;
  PseudoWindows pseudo;
  TFMI main;
  EXPECT_EQ(main.windowTitle(), "⟦MATHS OF RATIONAL NUMBERS⟧");
  EXPECT_EQ(main.findChild<QMenu*>("OpTems")->title(), "⟦THEMES⟧");
  EXPECT_EQ(main.findChild<QAction*>("OpSheetOpen")->text(), "⟦OPEN…⟧");

  TFAritm integers({}, NewIntegersRun());
  EXPECT_EQ(integers.windowTitle(), "⟦ARITHMETIC OF INTEGERS⟧");
  EXPECT_EQ(integers.findChild<QAction*>("OpPr1")->text(), "⟦WITH 1 INTEGER⟧")
      << "the number is filled in";
  EXPECT_EQ(integers.findChild<QAction*>("OpPrN")->text(), "⟦⟦HCD⟧ AND ⟦LCM⟧ OF n INTEGERS⟧");
  EXPECT_EQ(NameOf(Find(&integers, "IdMCD")), "⟦HCD⟧(n1,n2)") << "notation after the word";
  EXPECT_EQ(Find(&integers, "IdOC")->toolTip(), "⟦OPERATORS: + - * / ^ ())⟧");
  // The drop-down list of decimals still stands on its caption's blanks.
  auto* decimals = Find<QComboBox>(&integers, "Idpq");
  auto* caption = qobject_cast<QLabel*>(decimals->parentWidget()->findChild<QLabel*>());
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->text(), "⟦(                DECIMALS)⟧");
  const int open = caption->fontMetrics().horizontalAdvance(QStringLiteral("⟦("));
  EXPECT_GE(decimals->x(), open) << "right of the bracket";
  EXPECT_LT(decimals->geometry().right(),
            caption->fontMetrics().horizontalAdvance(caption->text().left(caption->text().indexOf(u'D'))))
      << "left of the word";

  TFFracc fractions({});
  EXPECT_EQ(TextOf(&fractions, "Label2"), "⟦a/b  AS IT⟧");
  EXPECT_EQ(Find(&fractions, "IdD")->toolTip(), "⟦EMPTY OR 1 FOR INTEGER⟧");
  EXPECT_EQ(NameOf(Find(&fractions, "TOpsBin")), "⟦BINARY OPERATIONS⟧");

  TFP polynomials({});
  EXPECT_EQ(polynomials.findChild<QMenu*>("MnuPrbl")->title(), "⟦PROBLEM⟧");
  EXPECT_EQ(NameOf(Find(&polynomials, "LCoefs")), "⟦COEFFICIENTS⟧");
  EXPECT_EQ(NameOf(Find(&polynomials, "IdOC")), "⟦EXPRESSION⟧");

  TFSheet sheet;
  EXPECT_EQ(sheet.windowTitle(), "⟦WORKSHEET⟧");
  EXPECT_EQ(Find<QComboBox>(&sheet, "CbPage")->itemText(0), "A4") << "a paper's name";
  EXPECT_EQ(Find<QComboBox>(&sheet, "CbPage")->itemText(1), "⟦LETTER⟧");
  const ProblemParams pair = IntegerPairParams{84, 36, 2};
  sheet.AddProblems({{pair, *MakeProblem(pair).texts, false, {}}});
  EXPECT_EQ(sheet.windowTitle(), "⟦WORKSHEET - ⟦UNTITLED⟧⟧[*]");
  sheet.hide();

  TFAbout about;
  about.ShowAbout(QStringLiteral("TESSARO"), QStringLiteral("d"), QStringLiteral("2020"),
                  QStringLiteral("1"));
  EXPECT_EQ(about.windowTitle(), "⟦ABOUT TESSARO⟧");
  EXPECT_EQ(TextOf(&about, "EtV"), "⟦V. 1⟧");
  about.hide();
  TFPrefs prefs;
  EXPECT_EQ(prefs.windowTitle(), "⟦PREFERENCES⟧");
}

struct CommandRow {
  std::vector<const char*> args;
  const char* said;  // on standard error, or standard output for --help
};

// The headless commands speak the desktop's language; the options, the values they take and
// the numbers stay as they are typed.
TEST(HeadlessCommands, SpeakTheLanguageAndKeepOptionsAndNumbers) {
  PseudoWindows pseudo;
  const CommandRow rows[] = {
      {{"--help", "x"}, "tessaro: ⟦--help TAKES NO ARGUMENTS⟧\n"},
      {{"--frobnicate"}, "tessaro: ⟦UNKNOWN OPTION --frobnicate (tessaro --help LISTS THEM)⟧\n"},
      {{"--plot", "x", "--size", "5x5", "--out", "a.svg"},
       "tessaro: ⟦--size IS WIDTHxHEIGHT, EACH 100 TO 8000 PIXELS⟧\n"},
      {{"--plot", "x", "--out", "a.txt"},
       "tessaro: ⟦--plot NEEDS --out FILE.svg OR --out FILE.png⟧\n"},
      {{"--export", "s.tsheet", "--to", "doc", "--out", "s.doc"},
       "tessaro: ⟦⟦--to TAKES pdf, odt, tex, gift OR txt⟧ (tessaro --help SHOWS THE COMMAND)⟧\n"},
      {{"--versions", "s.tsheet", "--count", "40", "--seed", "1", "--out", "o.tsheet"},
       "tessaro: ⟦⟦--count TAKES A NUMBER OF VERSIONS FROM 2 TO 26⟧ (tessaro --help SHOWS THE "
       "COMMAND)⟧\n"},
  };
  for (const CommandRow& row : rows) {
    QStringList args;
    for (const char* a : row.args) args << QString::fromUtf8(a);
    std::ostringstream out, err;
    RunHeadless(args, out, err);
    EXPECT_EQ(err.str(), row.said) << args.join(' ').toStdString();
  }
  std::ostringstream out, err;
  RunHeadless({QStringLiteral("--help")}, out, err);
  EXPECT_EQ(out.str().substr(0, out.str().find("  tessaro --help")),
            "⟦USAGE:⟧\n  tessaro                 ⟦STARTS THE PROGRAM'S WINDOWS⟧\n");
  EXPECT_NE(out.str().find("⟦EXIT CODES: 0 WRITTEN, 1 AN INPUT REFUSED"), std::string::npos);
  EXPECT_NE(out.str().find("tessaro --plot POLYNOMIAL --out FILE.svg|FILE.png [--size WxH]"),
            std::string::npos)
      << "the command lines are the same in every language";
}

// The environment the desktop's language is read from, set for one test and put back.
class DesktopLocale {
 public:
  explicit DesktopLocale(const char* lang) {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
      saved_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
      qunsetenv(name);
    }
    qputenv("LANG", lang);
  }
  ~DesktopLocale() {
    for (const Saved& s : saved_) {
      if (s.set)
        qputenv(s.name, s.value);
      else
        qunsetenv(s.name);
    }
  }
  DesktopLocale(const DesktopLocale&) = delete;
  DesktopLocale& operator=(const DesktopLocale&) = delete;

 private:
  struct Saved {
    const char* name;
    bool set;
    QByteArray value;
  };
  std::vector<Saved> saved_;
};

// Speaks the language the program spoke before, whatever the test asked for.
struct LanguageBack {
  QString was = LanguageInUse();
  ~LanguageBack() { UseLanguage(was); }
};

// The main window's menus as the start-up makes them, in the desktop's language.
QStringList MenuTitles() {
  UseLanguage(DesktopLanguage(QProcessEnvironment::systemEnvironment()));
  TFMI main;
  QStringList titles;
  for (const char* menu : {"OpTems", "MnuSheet", "OpTools", "MnuSettings", "MnuHelp"})
    titles << main.findChild<QMenu*>(QString::fromLatin1(menu))->title();
  return titles;
}

// The titles in English, the language of the program's texts.
const QStringList EnglishMenus = {"Themes", "Worksheet", "Tools", "Settings", "Help"};

TEST(LanguageSwitch, TheMainWindowsMenusAreSpanishUnderASpanishLocaleAndEnglishUnderC) {
  LanguageBack back;
  {
    DesktopLocale c("C");
    EXPECT_EQ(MenuTitles(), EnglishMenus);
    EXPECT_EQ(LanguageInUse(), "");
  }
  DesktopLocale spanish("es_ES.UTF-8");
  const QStringList titles = MenuTitles();
  EXPECT_EQ(LanguageInUse(), "es");
  // The program's own Spanish, built into it.
  ASSERT_TRUE(QFile::exists(QStringLiteral(":/i18n/tessaro_es.qm")));
  QTranslator spanishTexts;
  QStringList missing;
  if (spanishTexts.load(QStringLiteral(":/i18n/tessaro_es.qm")))
    for (const QString& english : EnglishMenus)
      if (spanishTexts.translate("tessaro::TFMI", english.toUtf8().constData()).isEmpty())
        missing << english;
  if (!spanishTexts.isEmpty() && missing.isEmpty()) {
    for (qsizetype i = 0; i < EnglishMenus.size(); ++i) {
      const QByteArray english = EnglishMenus[i].toUtf8();
      EXPECT_EQ(titles[i], QCoreApplication::translate("tessaro::TFMI", english.constData()));
      EXPECT_NE(titles[i], EnglishMenus[i]) << "a Spanish word";
    }
    return;
  }
  GTEST_SKIP() << "translations/tessaro_es.ts has no Spanish for the main window's menus yet ("
               << missing.join(QStringLiteral(", ")).toStdString()
               << "): the check of the Spanish menus starts once the translation pass adds them";
}

}  // namespace
}  // namespace tessaro
