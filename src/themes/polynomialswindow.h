#pragma once

#include "panels/polynomialstate.h"
#include "problems/kinds.h"
#include "themes/panelworking.h"
#include "problems/polynomialproblems.h"

#include <QMainWindow>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace tessaro {

// How the window shows the graph of the polynomial of its unary panel: with `bringToFront`
// the graph window comes up; without it an open graph only follows the panel.
using ShowGraph =
    std::function<void(const Polynomial& p, const std::string& name, bool bringToFront)>;

// The Polynomials theme window: entry of polynomials into a lettered list, the unary
// analysis of one polynomial, the binary results of two, a combined operation over the
// list, and problems made of what it shows. Created once; keeps its state while hidden.
class TFP : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFP(ShowProblem showProblem, ShowGraph showGraph = {}, ShowWorking showWorking = {},
               QWidget* parent = nullptr);

  // The list and the operands' items, to remember between runs, and taken back as the
  // window's own commands show them (see PolynomialState::Restore).
  PolynomialSession Session() const { return state_.Session(); }
  void Restore(const PolynomialSession& session);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static QString UnaryOperations();
  QGroupBox* BuildEntry();
  QGroupBox* BuildList();
  QGroupBox* BuildUnary();
  QGroupBox* BuildBinary();
  QGroupBox* BuildCombined();
  void BuildMenu();
  void Connect();
  void DimIni();

  // Runs a handler, then writes what it changed.
  template <class F>
  void Handle(F handler);
  void Write();
  void Graph(bool bringToFront);
  void WriteList(ListChange change);
  void WriteChoosers();
  void WriteUnary(bool polText);
  void WriteBinary();
  void WriteCombined();
  void WriteEnabling();

  // Entry panel and list.
  void BtOkClick();
  void BtRndClick();
  void FllDwnClick();
  void RstEntr();
  void SetCell(int k, const QString& text);
  void BtaLClick();
  void AddPol(const Polynomial& entry);
  std::optional<std::size_t> SelectedLine() const;
  void LPolsDblClick();
  void LPolsKeyDown();
  void BtBrrClick();
  void BtClearClick();

  // Unary panel.
  void IdPolKeyDown();
  void IdPolChange();
  void OpsUn(std::size_t i);
  void VNP();

  // Binary and combined panels.
  void Choose(int operand, int row);
  void BtBinClick();
  void OpsCmb();
  void IdOCChange();

  // Problems: each is made from the inputs of what the panels show.
  std::optional<ProblemParams> Section(PolProblemKind kind, bool onDisplay) const;
  // The title and working of what the unary ("1"), binary ("2") or combined ("C") panel
  // shows now.
  std::pair<QString, Working> PanelWorkingOf(const QString& panel) const;
  void ProblemButton(PolProblemKind kind);
  void ProblemMenu(PolProblemKind kind);
  // Shows `made`, or the window's previous problem again when there is none.
  void PutProblem(const std::optional<ShownProblem>& made);

  PolynomialState state_;
  ShownProblem problem_;  // the last problem made here
  ShowProblem showProblem_;
  ShowGraph showGraph_;
  PanelWorking working_;

  // Controls.
  QTableWidget* LCoefs = nullptr;
  QPushButton *BtOk = nullptr, *BtRst = nullptr;
  QToolButton *BtRnd = nullptr, *FllDwn = nullptr;
  QGroupBox *PEntr = nullptr, *PL = nullptr, *PUn = nullptr, *PBin = nullptr, *POC = nullptr;
  QListWidget *LPols = nullptr, *LL = nullptr, *L1 = nullptr, *L2 = nullptr;
  QPushButton *BtBrr = nullptr, *BtClear = nullptr;
  QToolButton* BtGraph = nullptr;
  QToolButton *BtWork1 = nullptr, *BtWork2 = nullptr, *BtWorkC = nullptr;
  QToolButton *BtaL = nullptr, *BtPrbl1 = nullptr, *BtPrbl2 = nullptr, *BtPrblC = nullptr;
  QLabel *EtP1 = nullptr, *EtP = nullptr;
  QLineEdit *IdPol = nullptr, *IdX = nullptr, *IdVN = nullptr, *IdRoots = nullptr,
            *IdFctr = nullptr, *IdDer = nullptr, *IdPrim = nullptr;
  QLineEdit *IdP1 = nullptr, *IdP2 = nullptr;
  QPushButton* BtBin = nullptr;
  QLabel *EtS = nullptr, *EtD = nullptr, *EtM = nullptr, *EtQ = nullptr, *EQ = nullptr,
         *ER = nullptr, *EtMCD = nullptr, *EtMCM = nullptr;
  QLineEdit *IdS = nullptr, *IdD = nullptr, *IdM = nullptr, *IdQ = nullptr, *IdR = nullptr,
            *IdMCD = nullptr, *IdMCM = nullptr;
  QLineEdit *IdOC = nullptr, *IdROC = nullptr;
  QPushButton* OkOC = nullptr;
  QMenu* MnuPrbl = nullptr;
  QAction *OpUn = nullptr, *OpBin = nullptr, *OpCmb = nullptr, *OpAll = nullptr;
};

}  // namespace tessaro
