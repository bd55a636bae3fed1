#include "app/mainwindow.h"

#include "app/aboutbox.h"
#include "sheetwindow/sheetwindow.h"
#include "helpwindow/helpwindow.h"
#include "ui/keyboard.h"
#include "ui/ui.h"
#include "ui/widgets.h"
#include "toolswindow/toolseditor.h"
#include "toolswindow/toolsmenu.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QVBoxLayout>

namespace tessaro {

namespace {

// A push button whose picture stands at the right of its text. The caption keeps
// its trailing blanks; the text is drawn left-aligned so the three buttons line up.
class RightPictureButton : public QPushButton {
 public:
  RightPictureButton(const QString& caption, const QIcon& icon, QWidget* parent)
      : QPushButton(caption, parent) {
    setIcon(icon);
    setIconSize(QSize(24, 24));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    p.drawControl(QStyle::CE_PushButton, option);
    const int margin = 14;
    const QRect inner = rect().adjusted(margin, 0, -margin, 0);
    const QSize iconSize = this->iconSize();
    const QRect iconRect(inner.right() - iconSize.width() + 1,
                         inner.center().y() - iconSize.height() / 2 + 1, iconSize.width(),
                         iconSize.height());
    icon().paint(&p, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    p.drawItemText(inner.adjusted(0, 0, -iconSize.width() - 6, 0),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                   isEnabled(), text(), QPalette::ButtonText);
  }
};

}  // namespace

TFMI::TFMI(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("FMI"));
  setWindowTitle(tr("Maths of rational numbers"));
  setWindowIcon(AppIcon());

  auto* central = Named(new QWidget(this), "Client");
  SetDesignBackground(central, QColor(160, 220, 192));
  QFont windowFont = central->font();
  windowFont.setPointSize(8);
  central->setFont(windowFont);

  QFont buttonFont = windowFont;
  buttonFont.setPointSize(10);
  buttonFont.setBold(true);
  auto makeButton = [&](const char* name, const QString& caption, const char* icon) {
    auto* button = Named(new RightPictureButton(caption, Icon(QString::fromUtf8(icon)), central),
                         name);
    button->setFont(buttonFont);
    button->setFixedSize(154, 41);
    // A screen reader says the words without the blanks that line the captions up.
    button->setAccessibleName(caption.trimmed());
    return button;
  };
  //: The captions of the three buttons that open the themes, drawn left-aligned beside a
  //: picture. The trailing blanks are the design's: keep them as they are, the captions are
  //: drawn from their left edge whatever their length.
  BtInt = makeButton("BtInt", tr("Integers    "), "integers");
  //: See "Integers    ": keep the trailing blanks as they are.
  BtFrac = makeButton("BtFrac", tr("Fractions   "), "fractions");
  BtPol = makeButton("BtPol", tr("Polynomials"), "polynomials");

  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 19, 0, 19);
  layout->setSpacing(56 - 41);
  for (QPushButton* b : {BtInt, BtFrac, BtPol}) layout->addWidget(b, 0, Qt::AlignHCenter);
  layout->addStretch(1);
  setCentralWidget(central);
  TabOrder({BtInt, BtFrac, BtPol});

  QMenuBar* MnuMI = menuBar();
  MnuMI->setObjectName(QStringLiteral("MnuMI"));

  // The keys Alt+letter take the first free letter of each title, in any language.
  OpTems = Menu(MnuMI, "OpTems", tr("Themes"));
  QAction* Ints = MenuItem("Ints", tr("Integers"), OpTems);
  QAction* Fracs = MenuItem("Fracs", tr("Fractions"), OpTems);
  QAction* Pols = MenuItem("Pols", tr("Polynomials"), OpTems);

  MakeSheetMenu(MnuMI);

  OpTools = Menu(MnuMI, "OpTools", tr("Tools"));
  QAction* OpEdTools = MenuItem("OpEdTools", tr("Edit tools"), OpTools);
  MenuItem("Ops", QStringLiteral("-"), OpTools)->setSeparator(true);
  toolItems_ = new ToolItems(OpTools);

  QMenu* MnuSettings = Menu(MnuMI, "MnuSettings", tr("Settings"));
  QAction* OpPrefs = MenuItem("OpPrefs", tr("Preferences..."), MnuSettings);

  //: The command of the menu bar, and of the Help menu, that shows the About box.
  QAction* About1 = MenuItem("About1", tr("About..."), MnuMI);
  QMenu* MnuHelp = Menu(MnuMI, "MnuHelp", tr("Help"));
  //: The command that opens the program's guide.
  QAction* OpGuide = MenuItem("OpGuide", tr("Guide"), MnuHelp);
  QAction* OpHelpAbout = MenuItem("OpHelpAbout", tr("About..."), MnuHelp);
  MenuKeys(MnuMI);
  // Closing the main window ends the program: the desktop's Quit keys, and Ctrl+Q on
  // every desktop, also those whose Quit has no key.
  auto* quit = new QShortcut(this);
  QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
  const QKeySequence ctrlQ(Qt::CTRL | Qt::Key_Q);
  if (!keys.contains(ctrlQ)) keys << ctrlQ;
  quit->setKeys(keys);
  connect(quit, &QShortcut::activated, this, Guarded([this] { close(); }));

  connect(BtInt, &QPushButton::clicked, this, Guarded([this] { BtIntClick(); }));
  connect(BtFrac, &QPushButton::clicked, this, Guarded([this] { BtFracClick(); }));
  connect(BtPol, &QPushButton::clicked, this, Guarded([this] { BtPolClick(); }));
  connect(Ints, &QAction::triggered, this, Guarded([this] { BtIntClick(); }));
  connect(Fracs, &QAction::triggered, this, Guarded([this] { BtFracClick(); }));
  connect(Pols, &QAction::triggered, this, Guarded([this] { BtPolClick(); }));
  connect(OpEdTools, &QAction::triggered, this, Guarded([this] { OpEdToolsClick(); }));
  connect(About1, &QAction::triggered, this, Guarded([this] { About1Click(); }));
  connect(OpGuide, &QAction::triggered, this, Guarded([this] { OpGuideClick(); }));
  connect(OpHelpAbout, &QAction::triggered, this, Guarded([this] { About1Click(); }));
  connect(OpPrefs, &QAction::triggered, this, Guarded([this] { OpPrefsClick(); }));

  SetDesignedSize(this, {298, 263});
}

void TFMI::MakeSheetMenu(QMenuBar* bar) {
  MnuSheet = Menu(bar, "MnuSheet", tr("Worksheet"));
  const auto command = [this](const char* name, const QString& caption, auto run) {
    QAction* item = MenuItem(name, caption, MnuSheet);
    connect(item, &QAction::triggered, this, Guarded([this, run] {
              if (links_.Sheet) run(links_.Sheet);
            }));
    return item;
  };
  //: A new, empty worksheet.
  command("OpSheetNew", tr("New"), [](TFSheet* s) { s->New(); });
  command("OpSheetOpen", tr("Open…"), [](TFSheet* s) { s->Open(); });
  MnuRecent = MnuSheet->addMenu(tr("Recent sheets"));
  MnuRecent->setObjectName(QStringLiteral("MnuRecent"));
  MnuRecent->menuAction()->setObjectName(QStringLiteral("MnuRecent"));
  MnuSheet->addSeparator();
  sheetCommands_ = {
      command("OpSheetSave", tr("Save"), [](TFSheet* s) { s->Save(); }),
      command("OpSheetSaveAs", tr("Save as…"), [](TFSheet* s) { s->SaveAs(); }),
      command("OpSheetExport", tr("Export…"), [](TFSheet* s) { s->Export(); }),
      command("OpSheetPreview", tr("Print preview…"), [](TFSheet* s) { s->PrintPreview(); }),
      command("OpSheetPrint", tr("Print…"), [](TFSheet* s) { s->Print(); }),
  };
  MnuSheet->insertSeparator(sheetCommands_[2]);
  SheetOpened(false);
  // The list is read when the menu opens, so it is never older than the last save.
  connect(MnuSheet, &QMenu::aboutToShow, this, Guarded([this] { RebuildRecent(); }));
}

void TFMI::RebuildRecent() {
  MnuRecent->clear();
  const QStringList recent = links_.Sheet ? links_.Sheet->RecentSheets() : QStringList();
  for (qsizetype i = 0; i < recent.size(); ++i) {
    const QByteArray name = "OpRecent" + QByteArray::number(i + 1);
    // "1 /path/sheet.tsheet": a number and a path, nothing to translate.
    QAction* item = MenuItem(name.constData(),
                             QString::number(i + 1) + QStringLiteral(" ") +
                                 QDir::toNativeSeparators(recent[i]),
                             MnuRecent);
    connect(item, &QAction::triggered, this, Guarded([this, path = recent[i]] {
              if (links_.Sheet && links_.Sheet->ConfirmClose()) links_.Sheet->OpenFile(path);
            }));
  }
  MnuRecent->setEnabled(!recent.isEmpty());
}

void TFMI::SheetOpened(bool open) {
  for (QAction* item : sheetCommands_) item->setEnabled(open);
}

void TFMI::SetLinks(MainWindowLinks links) {
  links_ = std::move(links);
  if (links_.Sheet) {
    connect(links_.Sheet, &TFSheet::OpenChanged, this, [this](bool open) { SheetOpened(open); });
    SheetOpened(links_.Sheet->IsOpen());
  }
  RebuildRecent();
}


void TFMI::BtIntClick() {
  if (links_.NewIntegers) ShowInFront(links_.NewIntegers());
}

void TFMI::BtFracClick() { ShowInFront(links_.Fractions); }

void TFMI::BtPolClick() { ShowInFront(links_.Polynomials); }

void TFMI::OpEdToolsClick() {
  auto* editor = new TFTools();
  if (links_.Adopt) links_.Adopt(editor);
  editor->exec();
  toolItems_->Rebuild();
}

void TFMI::About1Click() {
  if (!links_.About) return;
  links_.About->ShowAbout(QStringLiteral("TESSARO"), tr("Mathematics of rational numbers"),
                          QStringLiteral("2020"), QStringLiteral("1"));
}

void TFMI::OpGuideClick() {
  if (links_.Help) links_.Help->ShowFor(objectName());
}

void TFMI::OpPrefsClick() { ShowInFront(links_.Prefs); }

void TFMI::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_) {
    shown_ = true;
    // A place remembered from the last run stays; otherwise the window starts centred.
    if (!testAttribute(Qt::WA_Moved)) CentreOnScreen(this);
    FormShow();
  }
}

void TFMI::FormShow() {
  toolItems_->Add();
}

void TFMI::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program, whatever else is open, once the work not
  // saved was asked about; exit() asks no other window whether it agrees, as quit() would.
  bool quit = true;
  RunGuarded([&] { quit = !links_.MayQuit || links_.MayQuit(); });
  if (!quit) {
    event->ignore();
    return;
  }
  event->accept();
  if (links_.Ending) RunGuarded(links_.Ending);
  QCoreApplication::exit(0);
}

}  // namespace tessaro
