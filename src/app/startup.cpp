#include "app/startup.h"

#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "graphwindow/graphwindow.h"
#include "helpwindow/helpwindow.h"
#include "workingwindow/workingwindow.h"
#include "problemwindow/fileexistsdialog.h"
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
    const ShowWorking working = [this](const QString& panel, const QString& title,
                                       const Working& w, bool front) {
      if (front) {
        workingPanel_ = panel;
        work_->ShowWorking(title, w);
      } else if (panel == workingPanel_) {
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
    links.NewIntegers = [this, show, working] {
      auto* window = new TFAritm(show, integers_, working);
      Adopt(window);
      return window;
    };
    links.Fractions = fractions_;
    links.Polynomials = polynomials_;
    links.About = about_;
    links.Help = help_;
    links.Adopt = [this](QWidget* window) { Adopt(window); };
    links.Sheet = sheet_;
    links.MayQuit = [this] { return problem_->ConfirmClose() && sheet_->ConfirmClose(); };
    main_->SetLinks(links);
  }

  ~Program() override {
    for (auto it = adopted_.rbegin(); it != adopted_.rend(); ++it) delete it->data();
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
  new tessaro::Program();
}
