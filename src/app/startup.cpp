#include "app/startup.h"

#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "app/sessionkeeper.h"
#include "graphwindow/graphwindow.h"
#include "helpwindow/helpwindow.h"
#include "workingwindow/workingwindow.h"
#include "problemwindow/fileexistsdialog.h"
#include "prefswindow/prefswindow.h"
#include "problemwindow/problemwindow.h"
#include "sheetwindow/sheetwindow.h"
#include "themes/fractionswindow.h"
#include "themes/integerswindow.h"
#include "themes/polynomialswindow.h"
#include "ui/keyboard.h"
#include "ui/language.h"

#include <QApplication>
#include <QShortcut>
#include <QPointer>

#include <vector>

namespace tessaro {

namespace {

// The run: its windows, owned here and destroyed together. It hangs on the application
// object, so no window is reached through a global.
class Program : public QObject {
 public:
  Program() : QObject(qApp) {
    setObjectName(QStringLiteral("TessaroRun"));
    main_ = new TFMI();
    problem_ = new TFPrbl();
    const ShowProblem show = [problem = problem_](const ShownProblem& p) { problem->Show(p); };
    // The Working window follows only the panel that last brought it up.
    const ShowWorking working = [this](const QString& panel, const PanelWorkingMaker& make,
                                       bool front) {
      if (front) {
        workingPanel_ = panel;
        const auto [title, w] = make();
        work_->ShowWorking(title, w);
      } else if (panel == workingPanel_ && work_->isVisible()) {
        const auto [title, w] = make();
        work_->FollowWorking(title, w);
      }
    };
    fractions_ = new TFFracc(show, working);
    const ShowGraph graph = [this](const Polynomial& p, const std::string& name, bool front) {
      if (front)
        graph_->ShowPolynomial(p, QString::fromStdString(name));
      else if (graph_->isVisible())
        graph_->FollowPolynomial(p, QString::fromStdString(name));
    };
    polynomials_ = new TFP(show, graph, working);
    fileExists_ = new TFOps();
    about_ = new TFAbout();
    sheet_ = new TFSheet();
    problem_->UseFileExistsDialog(fileExists_);
    problem_->UseWorksheet([sheet = sheet_](const std::vector<SheetProblem>& problems) {
      sheet->AddProblems(problems);
    });
    help_ = new TFHelp();
    graph_ = new TFGraph();
    work_ = new TFWork();
    // F1 in every window of the run opens the guide at that window's section.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, main_);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, [this] {
      QWidget* active = QApplication::activeWindow();
      help_->ShowFor(active ? active->objectName() : main_->objectName());
    });

    MainWindowLinks links;
    newIntegers_ = [this, show, working] {
      auto* window = new TFAritm(show, integers_, working);
      Adopt(window);
      return window;
    };
    links.NewIntegers = newIntegers_;
    links.Fractions = fractions_;
    links.Polynomials = polynomials_;
    links.About = about_;
    links.Help = help_;
    links.Adopt = [this](QWidget* window) { Adopt(window); };
    links.Sheet = sheet_;
    links.MayQuit = [this] { return problem_->ConfirmClose() && sheet_->ConfirmClose(); };
    prefs_ = new TFPrefs();
    links.Prefs = prefs_;
    links.Ending = [this] { session_->Save(); };
    main_->SetLinks(links);
    session_ = std::make_unique<SessionKeeper>(SessionWindows{
        fractions_, polynomials_, integers_,
        // The windows whose contents are not kept come back in their places but closed.
        {{main_, false}, {problem_, false}, {fractions_, true}, {polynomials_, true},
         {help_, true}, {graph_, false}, {work_, false}, {prefs_, true}},
        newIntegers_,
        [this] {
          std::vector<TFAritm*> windows;
          for (const QPointer<QWidget>& w : adopted_)
            if (auto* integers = qobject_cast<TFAritm*>(w.data())) windows.push_back(integers);
          return windows;
        },
        // The worksheet open at the end of the last run comes back in the Worksheet window.
        {[this] { return sheet_->IsOpen() ? sheet_->FileName() : QString(); },
         [this](const QString& path) { return sheet_->OpenFile(path); }}});
  }

  ~Program() override {
    for (auto it = adopted_.rbegin(); it != adopted_.rend(); ++it) delete it->data();
    delete prefs_;
    delete sheet_;
    delete work_;
    delete graph_;
    delete help_;
    delete about_;
    delete fileExists_;
    delete polynomials_;
    delete fractions_;
    delete problem_;
    delete main_;
  }

  QWidget* Main() const { return main_; }
  SessionKeeper& Session() const { return *session_; }

 private:
  void Adopt(QWidget* window) { adopted_.emplace_back(window); }

  TFMI* main_ = nullptr;
  TFPrbl* problem_ = nullptr;
  TFFracc* fractions_ = nullptr;
  TFP* polynomials_ = nullptr;
  TFOps* fileExists_ = nullptr;
  TFAbout* about_ = nullptr;
  TFSheet* sheet_ = nullptr;
  TFHelp* help_ = nullptr;
  TFGraph* graph_ = nullptr;
  TFWork* work_ = nullptr;
  QString workingPanel_;
  TFPrefs* prefs_ = nullptr;
  std::function<TFAritm*()> newIntegers_;
  std::unique_ptr<SessionKeeper> session_;
  // The list every Integers window of the run shows.
  std::shared_ptr<IntegersRun> integers_ = NewIntegersRun();
  // Windows made later, kept for the run: closing one only hides it.
  std::vector<QPointer<QWidget>> adopted_;
};

Program* Run() {
  return qApp ? qApp->findChild<Program*>(QStringLiteral("TessaroRun"),
                                          Qt::FindDirectChildrenOnly)
              : nullptr;
}

}  // namespace

QWidget* MainWindow() {
  Program* run = Run();
  return run ? run->Main() : nullptr;
}

void ShutDown() { delete Run(); }

}  // namespace tessaro

void StartUp() {
  tessaro::ShutDown();
  tessaro::UseKeyboardStyle();
  tessaro::UseLanguage(tessaro::DesktopLanguage(QProcessEnvironment::systemEnvironment()));
  (new tessaro::Program())->Session().Restore();
}
