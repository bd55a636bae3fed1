#pragma once

#include "worksheets/worksheet.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QFileDialog;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;
class QTimer;

namespace tessaro {

// The Worksheet window: the open sheet's title, instructions and numbered problems, its
// columns, key placement and paper, and a live preview of the pages as they print. Its
// problems get new numbers within their ranges, and the sheet versions A, B, ..., each
// printed in turn with its own key. Closing the window closes the sheet (after asking about
// unsaved changes).
class TFSheet : public QWidget {
  Q_OBJECT

 public:
  explicit TFSheet(QWidget* parent = nullptr);
  ~TFSheet() override;

  bool IsOpen() const { return open_; }
  bool IsModified() const { return open_ && modified_; }
  const Worksheet& Sheet() const { return sheet_; }
  QString FileName() const { return path_; }

  // The commands of the Worksheet menu. New and Open ask about unsaved changes first.
  void New();
  void Open();
  bool OpenFile(const QString& path);
  bool Save();
  bool SaveAs();
  void Export();
  void PrintPreview();
  void Print();
  // The sheets opened or saved last, newest first.
  QStringList RecentSheets() const;

  // Adds problems at the end of the open sheet, or of a new one, and shows the window.
  void AddProblems(const std::vector<SheetProblem>& problems);

  // True when closing the sheet loses nothing: no unsaved changes, or the user saved them
  // or chose to discard them. False when the user cancelled (or the save failed).
  bool ConfirmClose();

 signals:
  // The sheet was opened or closed: the menu's commands follow it.
  void OpenChanged(bool open);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void StartSheet(Worksheet sheet, const QString& path);
  void CloseSheet();
  void Changed();
  void WriteAll();
  void WriteProblemList();
  void WriteSelected();
  void WriteCaption();
  void Move(int by);
  void Remove();
  void UserEditedQuestion();
  void UserEditedAnswer();
  void UserChose();
  // New numbers for the chosen problems; an edited problem's edit goes only when the user
  // says so.
  void NewNumbers();
  void EditRanges();
  void AskVersions();
  void RemoveVersions();
  void WriteCommands();
  bool SelectedIsValid() const;
  bool SaveTo(const QString& path);
  void Remember(const QString& path);
  void EnsurePreview();
  // Lays the pages out on a printer: the preview's, the preview dialog's or the real one.
  void PaintTo(QPrinter* printer);
  QFileDialog* FileDialog(const char* name, const QString& title, bool save);
  static QString ProblemNumbers(const std::vector<int>& rows);
  static QString SheetFilter();

  Worksheet sheet_;
  bool open_ = false;
  bool modified_ = false;
  QString path_;
  int selected_ = -1;             // the problem the question and answer areas show
  std::vector<int> chosen_;       // the problems selected in the list, in order
  bool writing_ = false;  // the window writes its widgets: their change signals are not edits

  QLineEdit* IdTitle = nullptr;
  QPlainTextEdit* IdInstr = nullptr;
  QListWidget* LProblems = nullptr;
  QPushButton* BtUp = nullptr;
  QPushButton* BtDown = nullptr;
  QPushButton* BtRemove = nullptr;
  QPushButton* BtNewNums = nullptr;
  QPushButton* BtRanges = nullptr;
  QPushButton* BtVersions = nullptr;
  QPushButton* BtNoVersions = nullptr;
  QLabel* LVersions = nullptr;
  QPlainTextEdit* IdQuestion = nullptr;
  QPlainTextEdit* IdAnswer = nullptr;
  QCheckBox* CbProblemWorking = nullptr;
  QComboBox* CbColumns = nullptr;
  QComboBox* CbKey = nullptr;
  QComboBox* CbPage = nullptr;
  QWidget* previewPlace_ = nullptr;
  QPrintPreviewWidget* PvSheet = nullptr;
  std::unique_ptr<QPrinter> printer_;
  QTimer* previewTimer_ = nullptr;
};

}  // namespace tessaro
