#pragma once

#include "polynomials/polynomials.h"
#include "problems/kinds.h"
#include "problems/polynomialproblems.h"

#include <QMainWindow>

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

// The Polynomials theme window: entry of polynomials into a lettered list, the unary
// analysis of one polynomial, the binary results of two, a combined operation over the
// list, and problems made of what it shows. Created once; keeps its state while hidden.
class TFP : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFP(ShowProblem showProblem, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QGroupBox* BuildEntry();
  QGroupBox* BuildList();
  QGroupBox* BuildUnary();
  QGroupBox* BuildBinary();
  QGroupBox* BuildCombined();
  void BuildMenu();
  void Connect();
  void DimIni();

  // Entry panel and list.
  void BtOkClick();
  void BtRndClick();
  void FllDwnClick();
  void RstEntr();
  void SetCell(int k, const QString& text);
  void BtaLClick();
  void AddPol(const Polynomial& entry);
  void PolaL(int i);
  void LPolsDblClick();
  void LPolsKeyDown();
  void BtBrrClick();
  void BtClearClick();
  void LlistaPols();
  void ClearLists();
  void FillLetters();

  // Unary panel.
  void IdPolKeyDown();
  void IdPolChange();
  void OpsUn(int i);
  void OpsPun(const QString& name);
  void VNP();
  void Rst1();

  // Binary and combined panels.
  void L1Click(int row);
  void L2Click(int row);
  void RstBin();
  bool OpsBin();
  void BtBinClick();
  void OpsCmb();
  void IdOCChange();

  // Problems.
  PolShown Shown() const;
  void PutProblem(const TPrbl& problem);
  void FesPrbl1();
  void FesPrbl2();
  void FesPrblC();
  void FesPrbl(PolProblemKind kind);
  void SetOpAll();

  // Window state.
  std::vector<Polynomial> ListPols;  // at most MaxPols, item i named by Letters[i]
  Polynomial P{};                    // the polynomial of the unary panel
  Polynomial A{}, B{};               // the operands last chosen in L1 and L2
  int index1 = 0, index2 = 0;
  bool binaryDone = false;
  bool combinedDone = false;
  TPrbl Prbl;  // the last problem built here
  tessaro::ShowProblem showProblem_;

  // Controls.
  QTableWidget* LCoefs = nullptr;
  QPushButton *BtOk = nullptr, *BtRst = nullptr;
  QToolButton *BtRnd = nullptr, *FllDwn = nullptr;
  QGroupBox *PEntr = nullptr, *PL = nullptr, *PUn = nullptr, *PBin = nullptr, *POC = nullptr;
  QListWidget *LPols = nullptr, *LL = nullptr, *L1 = nullptr, *L2 = nullptr;
  QPushButton *BtBrr = nullptr, *BtClear = nullptr;
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
